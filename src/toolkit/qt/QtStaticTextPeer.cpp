#include "toolkit/qt/QtStaticTextPeer.h"

#include "framework/StaticText.h"
#include "toolkit/qt/QtText.h"

namespace fw::qtui {

QtStaticTextPeer::QtStaticTextPeer(StaticText& label, QWidget* parent)
    : QtStaticTextPeer(label, new PeerWidget<QLabel>(parent))
{
}

QtStaticTextPeer::QtStaticTextPeer(StaticText& label, PeerWidget<QLabel>* widget)
    : QtControlPeer(label, widget, *widget), label_(label)
{
    // The program's texts are never markup.
    widget->setTextFormat(Qt::PlainText);
}

void QtStaticTextPeer::SyncOwn(Aspects changed)
{
    QLabel& label = *Label();
    if (changed & kEditOptions) {
        Qt::Alignment alignment = Qt::AlignTop;
        switch (label_.TextAlign()) {
        case 1:
            alignment |= Qt::AlignHCenter;
            break;
        case 2:
            alignment |= Qt::AlignRight;
            break;
        default:
            alignment |= Qt::AlignLeft;
            break;
        }
        if (label.alignment() != alignment)
            label.setAlignment(alignment);
        if (label.wordWrap() != label_.MultiLine())
            label.setWordWrap(label_.MultiLine());
    }
    if (changed & kFont)
        SyncFont(label_);
    if (changed & kColors)
        SetColor(QPalette::WindowText, label_.TextColor());
    if (changed & kText) {
        const QString text = ToQString(label_.Text());
        if (label.text() != text)
            label.setText(text);
    }
}

} // namespace fw::qtui
