#pragma once
// A flag that tells one observer when its value changes (the main window's
// title follows `dataChanged` this way). It reads and assigns like a bool.
// The observer belongs to the object: a copy takes the value only, and
// assigning a value to a flag tells that flag's own observer.
#include <functional>

namespace vantrel {

class ChangeFlag {
public:
    ChangeFlag(bool value = false) : value_(value) {}  // NOLINT: reads like a bool
    ChangeFlag(const ChangeFlag& other) : value_(other.value_) {}
    ChangeFlag& operator=(const ChangeFlag& other) { return *this = other.value_; }
    ChangeFlag& operator=(bool value) {
        const bool changed = value != value_;
        value_ = value;
        if (changed && onChange) onChange(value_);
        return *this;
    }
    operator bool() const { return value_; }  // NOLINT: reads like a bool

    std::function<void(bool)> onChange;

private:
    bool value_;
};

}  // namespace vantrel
