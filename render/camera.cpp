#include "render/camera.h"

#include <stdexcept>
#include <string>

namespace {

void checkSlot(std::int32_t slot) {
    if (slot < 0 || slot >= Camera::kViewSlots) {
        throw std::out_of_range("Camera view slot " + std::to_string(slot) + " is outside 0..4");
    }
}

}  // namespace

Camera::Camera(float x, float y, float z) : position_(x, y, z) {
    for (Mat4& view : views_) view = Mat4::identity();
    target_ = position_ + front_;
}

void Camera::pitch(float degrees) {
    const float a = radians(degrees);
    const float s = sine(a);
    const float c = cosine(a);
    front_ = front_ * c + up_ * s;
    up_ = cross(right_, front_);
    target_ = position_ + front_;
}

void Camera::updateView(std::int32_t slot) {
    checkSlot(slot);
    views_[slot] = lookAt(position_, target_, up_);
    activeView_ = slot;
}

void Camera::setActiveView(std::int32_t slot) {
    checkSlot(slot);
    activeView_ = slot;
}

void Camera::setProjection(Mat4 projection) { projection_ = projection; }
