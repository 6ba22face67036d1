#pragma once

#include "toolkit/qt/QtControlPeer.h"

#include <QPushButton>

namespace fw {
class PushButton;
}

namespace fw::qtui {

// A button shown as a QPushButton; a click presses the model's button.
class QtPushButtonPeer final : public QtControlPeer {
public:
    QtPushButtonPeer(PushButton& button, QWidget* parent);
    QPushButton* Button() const { return static_cast<QPushButton*>(Widget()); }

private:
    QtPushButtonPeer(PushButton& button, PeerWidget<QPushButton>* widget);
    void SyncOwn(Aspects changed) override;
    void UserClicked();

    PushButton& button_;
};

} // namespace fw::qtui
