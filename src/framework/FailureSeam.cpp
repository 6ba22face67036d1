#include "framework/FailureSeam.h"

#include <string>
#include <vector>

namespace fw::seam {

namespace {
struct Trap {
    std::string operation;
    std::string subject;
    int skip;
    int times;
};
std::vector<Trap> traps;
} // namespace

namespace detail {
bool armed = false;

bool Check(std::string_view operation, std::string_view subject)
{
    for (Trap& trap : traps) {
        if (trap.times == 0 || trap.operation != operation)
            continue;
        if (!trap.subject.empty() && trap.subject != subject)
            continue;
        if (trap.skip > 0) {
            --trap.skip;
            continue;
        }
        --trap.times;
        return true;
    }
    return false;
}
} // namespace detail

void Arm(std::string_view operation, std::string_view subject, int skip, int times)
{
    traps.push_back({std::string(operation), std::string(subject), skip, times});
    detail::armed = true;
}

void Disarm()
{
    traps.clear();
    detail::armed = false;
}

} // namespace fw::seam
