#pragma once

#include <string>
#include <vector>

// An X server of the test's own, ended by its PID when the object goes.
class PrivateXvfb {
public:
    // `arguments` go to the server as well (for instance "-extension", "Composite").
    PrivateXvfb(int width, int height, const std::vector<std::string>& arguments = {});
    ~PrivateXvfb();
    PrivateXvfb(const PrivateXvfb&) = delete;
    PrivateXvfb& operator=(const PrivateXvfb&) = delete;

    const std::string& displayName() const { return displayName_; }  // ":N"
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int pid_ = -1;
    std::string displayName_;
    int width_;
    int height_;
};
