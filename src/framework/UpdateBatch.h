#pragma once

#include "framework/Platform.h"

#include <utility>

namespace fw {

// Collects the changes made while an update is open, so that a peer hears of
// a whole batch (a property list, the making of a window) once.
class UpdateBatch {
public:
    void Begin() { ++depth_; }
    // What to show now: nothing while an update is open.
    Aspects Add(Aspects changed)
    {
        if (depth_ == 0)
            return changed;
        pending_ |= changed;
        return 0;
    }
    // What to show now that an update ends: all it collected, once the
    // outermost one ends.
    Aspects End() { return --depth_ == 0 ? std::exchange(pending_, 0) : 0; }
    // Ends an update and forgets what it collected.
    void Abandon()
    {
        if (--depth_ == 0)
            pending_ = 0;
    }

private:
    int depth_ = 0;
    Aspects pending_ = 0;
};

} // namespace fw
