#pragma once
// Sets the display unit for a scope and gives back the one it found, so that
// a test changing the unit leaves the next test what it expects.

#include "model/Units.h"

class ScopedUnit {
public:
    explicit ScopedUnit(std::uint8_t unit) : saved_(CurrentUnit) { CurrentUnit = unit; }
    ~ScopedUnit() { CurrentUnit = saved_; }
    ScopedUnit(const ScopedUnit&) = delete;
    ScopedUnit& operator=(const ScopedUnit&) = delete;

private:
    std::uint8_t saved_;
};
