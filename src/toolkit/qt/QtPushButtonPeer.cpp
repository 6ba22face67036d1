#include "toolkit/qt/QtPushButtonPeer.h"

#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "toolkit/qt/QtText.h"

namespace fw::qtui {

QtPushButtonPeer::QtPushButtonPeer(PushButton& button, QWidget* parent)
    : QtPushButtonPeer(button, new PeerWidget<QPushButton>(parent))
{
}

QtPushButtonPeer::QtPushButtonPeer(PushButton& button, PeerWidget<QPushButton>* widget)
    : QtControlPeer(button, widget, *widget), button_(button)
{
    QObject::connect(widget, &QPushButton::clicked, widget, [widget] {
        if (widget->peer)
            static_cast<QtPushButtonPeer*>(widget->peer)->UserClicked();
    });
}

void QtPushButtonPeer::UserClicked()
{
    Ref<PushButton> keep(&button_);
    DispatchEvent([&] { keep->Push(); });
}

void QtPushButtonPeer::SyncOwn(Aspects changed)
{
    QPushButton& button = *Button();
    if (changed & kFont)
        SyncFont(button_);
    if (changed & kButtonRole)
        button.setDefault(button_.Default());
    if (changed & kText) {
        const QString caption = ToLabel(button_.Caption());
        if (button.text() != caption)
            button.setText(caption);
    }
}

} // namespace fw::qtui
