#include "framework/MsgBox.h"

#include "framework/Platform.h"

namespace fw {

void MsgBox(std::string_view text) { ActivePlatform().ShowMessage(text); }

} // namespace fw
