#pragma once

#include "toolkit/qt/QtControlPeer.h"

#include <QLabel>

namespace fw {
class StaticText;
}

namespace fw::qtui {

// A label shown as a plain-text QLabel, its text at the top.
class QtStaticTextPeer final : public QtControlPeer {
public:
    QtStaticTextPeer(StaticText& label, QWidget* parent);
    QLabel* Label() const { return static_cast<QLabel*>(Widget()); }

private:
    QtStaticTextPeer(StaticText& label, PeerWidget<QLabel>* widget);
    void SyncOwn(Aspects changed) override;

    StaticText& label_;
};

} // namespace fw::qtui
