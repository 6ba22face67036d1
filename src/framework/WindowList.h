#pragma once

#include "framework/Object.h"

#include <vector>

namespace fw {

class Window;

// The framework's record of its open windows, oldest first. It keeps each
// open window alive.
std::vector<Ref<Window>>& OpenWindowList();

} // namespace fw
