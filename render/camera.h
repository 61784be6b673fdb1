#pragma once

#include "render/math.h"

#include <cstdint>

// The eye with its direction frame, five view-matrix slots with one active slot, and the
// projection matrix. The view slots and the projection start as the identity.
class Camera {
public:
    static constexpr std::int32_t kViewSlots = 5;

    // position = (x, y, z), front (0, 0, -1), right (1, 0, 0), up (0, 1, 0),
    // target = position + front, activeView 0.
    Camera(float x, float y, float z);

    // Turns front and up about the right axis; positive angles look upwards. The view
    // slots are not recomputed.
    void pitch(float degrees);
    // views[slot] = lookAt(position, target, up); activeView = slot.
    // Throws std::out_of_range for a slot outside 0..4, changing nothing.
    void updateView(std::int32_t slot);
    // activeView = slot; nothing is recomputed. Throws std::out_of_range outside 0..4.
    void setActiveView(std::int32_t slot);
    void setProjection(Mat4 projection);

    Mat4 viewMatrix() const { return views_[activeView_]; }
    Mat4 projectionMatrix() const { return projection_; }

    std::int32_t activeView() const { return activeView_; }
    Vec3 position() const { return position_; }
    Vec3 target() const { return target_; }
    Vec3 front() const { return front_; }
    Vec3 right() const { return right_; }
    Vec3 up() const { return up_; }

private:
    Mat4 views_[kViewSlots];
    std::int32_t activeView_ = 0;
    Vec3 position_;
    Vec3 target_;
    Vec3 front_{0.0f, 0.0f, -1.0f};
    Vec3 right_{1.0f, 0.0f, 0.0f};
    Vec3 up_{0.0f, 1.0f, 0.0f};
    Mat4 projection_ = Mat4::identity();
};
