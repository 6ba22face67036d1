#pragma once

#include "framework/Platform.h"

#include <string>

namespace fw {
class RectControl;
class Window;
} // namespace fw

namespace fw::headless {

// Stands in for a window on screen: knows whether it is mapped and how often
// it was told of changes.
class HeadlessWindowPeer : public WindowPeer {
public:
    explicit HeadlessWindowPeer(Window& window) : window_(window) {}
    std::unique_ptr<ControlPeer> AddControl(RectControl& control) override;
    void Sync(Aspects changed) override;

    bool Mapped() const { return mapped_; }
    int Syncs() const { return syncs_; }

private:
    Window& window_;
    bool mapped_ = false;
    int syncs_ = 0;
};

// Stands in for a control on screen. For an edit field it keeps a selection
// and carries out the Edit commands as a text field would.
class HeadlessControlPeer : public ControlPeer {
public:
    explicit HeadlessControlPeer(RectControl& control) : control_(control) {}
    void Sync(Aspects changed) override;
    void Focus() override { ++focusRequests_; }
    void Edit(EditCommand command) override;

    int Syncs() const { return syncs_; }
    int FocusRequests() const { return focusRequests_; }
    bool AllSelected() const { return allSelected_; }
    // Replaces the selection (or appends, when nothing is selected) as typing
    // or pasting would; returns whether the field took the result.
    bool Insert(std::string_view text);

private:
    bool Offer(std::string text);

    RectControl& control_;
    int syncs_ = 0;
    int focusRequests_ = 0;
    bool allSelected_ = false;
    std::string undo_;
    bool canUndo_ = false;
};

} // namespace fw::headless
