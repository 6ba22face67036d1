#pragma once

#include <string_view>

namespace fw {

// Shows the text in a modal message box; returns when the user dismisses it.
void MsgBox(std::string_view text);

} // namespace fw
