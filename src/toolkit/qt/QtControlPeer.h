#pragma once

#include "framework/Platform.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>

namespace fw {
class RectControl;
class TextControl;
struct Color;
} // namespace fw

namespace fw::qtui {

class QtControlPeer;

// A widget's way back to its peer. The peer clears it when it goes, so a
// widget whose deletion is still pending reports nothing.
struct PeerLink {
    QtControlPeer* peer = nullptr;
};

// Shows one control with one widget, a child of the window's content area.
// The control owns the peer; the peer owns the widget.
class QtControlPeer : public ControlPeer {
public:
    ~QtControlPeer() override;
    QtControlPeer(const QtControlPeer&) = delete;
    QtControlPeer& operator=(const QtControlPeer&) = delete;

    void Sync(Aspects changed) final;
    void Focus() override;
    void Edit(EditCommand) override {}

    QWidget* Widget() const { return widget_; }
    // The user moved the keyboard focus to the widget.
    void UserFocused();

protected:
    QtControlPeer(RectControl& control, QWidget* widget, PeerLink& link);
    // What the control's own kind shows.
    virtual void SyncOwn(Aspects changed) = 0;
    void SyncFont(const TextControl& control);
    // Sets the colour for the active and inactive states; a disabled widget
    // keeps the style's greyed look.
    void SetColor(QPalette::ColorRole role, Color color);

    RectControl& control_;

private:
    QPointer<QWidget> widget_;
    PeerLink* link_; // part of widget_, valid while it lives
    Qt::FocusPolicy policy_; // the widget's own, for when it is a tab stop
};

// A widget that tells its peer when the user gives it the focus.
template <class Base>
class PeerWidget final : public Base, public PeerLink {
public:
    using Base::Base;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        Base::focusInEvent(event);
        if (peer)
            peer->UserFocused();
    }
};

} // namespace fw::qtui
