#pragma once

#include "framework/Platform.h"
#include "toolkit/qt/QtWindowWidget.h"

#include <QPointer>

#include <cstdint>

namespace fw {
class MenuItem;
}

namespace fw::qtui {

// Shows a framework window as a top-level widget. Width and Height are the
// content area's, below the menu bar; controls are placed in that area.
class QtWindowPeer final : public WindowPeer {
public:
    explicit QtWindowPeer(Window& window);
    ~QtWindowPeer() override;
    QtWindowPeer(const QtWindowPeer&) = delete;
    QtWindowPeer& operator=(const QtWindowPeer&) = delete;

    std::unique_ptr<ControlPeer> AddControl(RectControl& control) override;
    void Sync(Aspects changed) override;

    QtWindowWidget* Widget() const { return widget_; }

    // What the user did to the window.
    void UserClosed();
    void UserResized(int width, int height);
    void UserChose(MenuItem& item);

private:
    void SyncMenuBar();
    void SyncFrame();
    void SyncSize();
    void SyncColors();
    void SyncTabOrder();
    void SyncVisible();

    Window& window_;
    QPointer<QtWindowWidget> widget_;
};

} // namespace fw::qtui
