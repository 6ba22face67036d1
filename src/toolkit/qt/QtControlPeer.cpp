#include "toolkit/qt/QtControlPeer.h"

#include "framework/Control.h"
#include "framework/Runtime.h"
#include "toolkit/qt/QtText.h"

#include <QFont>

namespace fw::qtui {

QtControlPeer::QtControlPeer(RectControl& control, QWidget* widget, PeerLink& link)
    : control_(control), widget_(widget), link_(&link), policy_(widget->focusPolicy())
{
    link_->peer = this;
    // The control's name, so that tools and tests find the widget by it.
    widget->setObjectName(ToQString(control.Name()));
}

QtControlPeer::~QtControlPeer()
{
    if (!widget_)
        return;
    link_->peer = nullptr;
    widget_->hide();
    // Not at once: the peer may go inside one of the widget's own signals.
    widget_->deleteLater();
}

void QtControlPeer::Sync(Aspects changed)
{
    if (!widget_)
        return;
    QWidget& widget = *widget_;
    if (changed & kGeometry)
        widget.setGeometry(control_.Left(), control_.Top(), control_.Width(), control_.Height());
    if (changed & kEnabled)
        widget.setEnabled(control_.Enabled());
    if (changed & kHelpTag) {
        const QString tip = ToQString(control_.HelpTag());
        if (tip != widget.toolTip())
            widget.setToolTip(tip);
    }
    if (changed & kTabOrder)
        widget.setFocusPolicy(control_.TabStop() ? policy_ : Qt::FocusPolicy(policy_ & ~Qt::TabFocus));
    SyncOwn(changed);
    if (changed & kVisible)
        widget.setVisible(control_.Visible());
}

void QtControlPeer::Focus()
{
    if (!widget_)
        return;
    QWidget* window = widget_->window();
    if (window->isVisible() && !window->isActiveWindow())
        window->activateWindow();
    widget_->setFocus(Qt::OtherFocusReason);
}

void QtControlPeer::UserFocused()
{
    Ref<RectControl> keep(&control_);
    DispatchEvent([&] { keep->UserFocused(); });
}

void QtControlPeer::SyncFont(const TextControl& control)
{
    // Only what the control sets; the rest comes from the toolkit's default.
    QFont font;
    const std::string_view family = control.TextFont();
    if (!family.empty() && !SameIdentifier(family, "System"))
        font.setFamilies({ToQString(family)});
    if (control.TextSize() > 0)
        font.setPixelSize(control.TextSize());
    if (control.Bold())
        font.setBold(true);
    if (control.Italic())
        font.setItalic(true);
    if (control.Underline())
        font.setUnderline(true);
    if (font.resolveMask() == 0 && !widget_->testAttribute(Qt::WA_SetFont))
        return;
    widget_->setFont(font);
}

void QtControlPeer::SetColor(QPalette::ColorRole role, Color color)
{
    const QColor wanted = ToQColor(color);
    const QPalette& current = widget_->palette();
    if (current.color(QPalette::Active, role) == wanted && current.color(QPalette::Inactive, role) == wanted)
        return;
    QPalette palette = current;
    palette.setColor(QPalette::Active, role, wanted);
    palette.setColor(QPalette::Inactive, role, wanted);
    widget_->setPalette(palette);
}

} // namespace fw::qtui
