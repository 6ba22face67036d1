#pragma once

#include <string_view>

// A test seam: makes a named framework operation fail on purpose, so that the
// failure paths of the code above the framework can be exercised. Disarmed,
// it costs one test of a flag.
namespace fw::seam {

// The operation fails (yields nil or raises, as its own failure looks) on the
// call that comes after `skip` matching calls, `times` times in a row. An
// empty subject matches every subject.
void Arm(std::string_view operation, std::string_view subject = {}, int skip = 0, int times = 1);
void Disarm();

namespace detail {
extern bool armed;
bool Check(std::string_view operation, std::string_view subject);
} // namespace detail

inline bool ShouldFail(std::string_view operation, std::string_view subject = {})
{
    return detail::armed && detail::Check(operation, subject);
}

} // namespace fw::seam
