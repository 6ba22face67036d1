#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

// The one seam between the framework and whatever shows it. The framework
// keeps the state of every window, control and menu; a toolkit shows that
// state through peers and reports what the user does by calling the model's
// user-action entry points (Window::UserClosed, PushButton::Push,
// EditField::UserEdited, RectControl::UserFocused, MenuItem::Choose) inside
// DispatchEvent. The toolkit is chosen when the program is linked: each
// toolkit library defines ActivePlatform().
namespace fw {

class Window;
class RectControl;

// What changed on a window or control, so that a peer updates only that.
enum Aspect : std::uint32_t {
    kGeometry = 1u << 0,    // Left, Top, Width, Height (window: Width, Height)
    kVisible = 1u << 1,
    kEnabled = 1u << 2,
    kText = 1u << 3,        // Text, Caption, Title
    kFont = 1u << 4,        // TextFont, TextSize, Bold, Italic, Underline
    kColors = 1u << 5,      // TextColor, BackColor, HasBackColor
    kHelpTag = 1u << 6,
    kTabOrder = 1u << 7,    // TabIndex, TabStop (a window: the order of all its controls)
    kEditOptions = 1u << 8, // Password, ReadOnly, LimitText, Mask, Alignment, TextAlign, Border, MultiLine
    kSizeLimits = 1u << 9,  // MinWidth, MinHeight, MaxWidth, MaxHeight
    kFrame = 1u << 10,      // Resizeable, CloseButton, MinimizeButton, MaximizeButton, FullScreen, MenuBarVisible
    kMenuBar = 1u << 11,
    kButtonRole = 1u << 12, // Default, Cancel
    kEverything = 0xFFFFFFFFu,
};
using Aspects = std::uint32_t;

// The commands of a standard Edit menu, which act on the focused field.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    // Shows the model's current state for these aspects.
    virtual void Sync(Aspects changed) = 0;
    virtual void Focus() = 0;
    // Acts on an edit field; other controls ignore it.
    virtual void Edit(EditCommand command) = 0;
};

class WindowPeer {
public:
    virtual ~WindowPeer() = default;
    // A peer for a control that has just joined the window.
    virtual std::unique_ptr<ControlPeer> AddControl(RectControl& control) = 0;
    virtual void Sync(Aspects changed) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    // Brings the toolkit up (RuntimeInit) and down (RuntimeExit).
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) = 0;
    // Runs the event loop until Quit is called.
    virtual void Run() = 0;
    virtual void Quit() = 0;
    // Shows the text in a modal message box and returns when it is dismissed.
    virtual void ShowMessage(std::string_view text) = 0;
};

// Defined by the toolkit library the program is linked with.
Platform& ActivePlatform();

} // namespace fw
