#pragma once
#include <utility>

namespace rt {
// Anything that changes what a screen shows asks for the frame to be composed again.
void mark_dirty();

// A value whose change shows on screen: assignment marks the frame dirty.
template <class T>
class Prop {
public:
    Prop() = default;
    Prop(T value) : value_(std::move(value)) {}  // NOLINT: reads like the plain value it stands for
    Prop& operator=(T value) {
        if (!(value_ == value)) {
            value_ = std::move(value);
            mark_dirty();
        }
        return *this;
    }
    Prop(const Prop&) = default;
    Prop& operator=(const Prop& other) { return *this = other.value_; }
    operator const T&() const { return value_; }  // NOLINT
    const T& get() const { return value_; }
    template <class U>
    Prop& operator+=(const U& d) {
        return *this = value_ + d;
    }
    template <class U>
    Prop& operator-=(const U& d) {
        return *this = value_ - d;
    }

private:
    T value_{};
};
}  // namespace rt
