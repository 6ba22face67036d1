#pragma once

#include "framework/Object.h"

#include <cstdint>

namespace fw {

class ClassInfo;

// A source of random numbers. Every new object is seeded from a process-wide
// source, so objects made one right after the other draw independently.
class Random : public Object {
public:
    Random();
    static const ClassInfo& Lookup_();

    // A whole number from min to max, both included, every value equally
    // likely. Bounds given the wrong way round are taken the right way round.
    std::int32_t InRange(std::int32_t min, std::int32_t max);
    // A number from 0 up to, not including, 1.
    double Number();

private:
    std::uint64_t Next();
    std::uint64_t state_[4];
};

} // namespace fw
