#pragma once

// The per-frame scalar values the drawables hand to their programs.
class ShaderInputs {
public:
    explicit ShaderInputs(float initialTime) : time_(initialTime) {}

    void setViewport(float width, float height) {
        viewportWidth_ = width;
        viewportHeight_ = height;
    }
    void setTime(float seconds) { time_ = seconds; }

    float viewportWidth() const { return viewportWidth_; }
    float viewportHeight() const { return viewportHeight_; }
    float time() const { return time_; }

private:
    float viewportWidth_ = 0.0f;
    float viewportHeight_ = 0.0f;
    float time_;
};
