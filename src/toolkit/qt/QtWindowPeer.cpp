#include "toolkit/qt/QtWindowPeer.h"

#include "framework/EditField.h"
#include "framework/MenuItem.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/StaticText.h"
#include "framework/Window.h"
#include "toolkit/qt/QtEditFieldPeer.h"
#include "toolkit/qt/QtMenuBar.h"
#include "toolkit/qt/QtPushButtonPeer.h"
#include "toolkit/qt/QtStaticTextPeer.h"
#include "toolkit/qt/QtText.h"

#include <algorithm>
#include <vector>

namespace fw::qtui {

namespace {

int ClampSize(std::int64_t size) { return static_cast<int>(std::clamp<std::int64_t>(size, 0, QWIDGETSIZE_MAX)); }

} // namespace

QtWindowPeer::QtWindowPeer(Window& window) : window_(window), widget_(new QtWindowWidget())
{
    widget_->peer = this;
}

QtWindowPeer::~QtWindowPeer()
{
    if (!widget_)
        return;
    widget_->peer = nullptr;
    widget_->hide();
    // Not at once: the window may go inside one of the widget's own events
    // (its close box, a menu item).
    widget_->deleteLater();
}

std::unique_ptr<ControlPeer> QtWindowPeer::AddControl(RectControl& control)
{
    if (!widget_)
        return nullptr;
    QWidget* content = widget_->Content();
    if (auto* field = dynamic_cast<EditField*>(&control))
        return std::make_unique<QtEditFieldPeer>(*field, content);
    if (auto* label = dynamic_cast<StaticText*>(&control))
        return std::make_unique<QtStaticTextPeer>(*label, content);
    if (auto* button = dynamic_cast<PushButton*>(&control))
        return std::make_unique<QtPushButtonPeer>(*button, content);
    return nullptr;
}

void QtWindowPeer::Sync(Aspects changed)
{
    if (!widget_)
        return;
    if (changed & kText) {
        const QString title = ToQString(window_.Title());
        if (widget_->windowTitle() != title)
            widget_->setWindowTitle(title);
    }
    if (changed & kMenuBar)
        SyncMenuBar();
    if (changed & kFrame)
        SyncFrame();
    if (changed & (kGeometry | kSizeLimits | kFrame | kMenuBar))
        SyncSize();
    if (changed & kColors)
        SyncColors();
    if (changed & kTabOrder)
        SyncTabOrder();
    // Last, so that the window appears as it is meant to look.
    if (changed & (kVisible | kFrame))
        SyncVisible();
}

void QtWindowPeer::SyncMenuBar()
{
    Ref<MenuBar> bar = window_.GetMenuBar();
    if (!bar) {
        widget_->RemoveMenuBar();
        return;
    }
    QMenuBar* menuBar = widget_->NewMenuBar();
    FillMenuBar(*menuBar, *bar, *widget_);
    menuBar->setVisible(window_.MenuBarVisible());
}

void QtWindowPeer::SyncFrame()
{
    Qt::WindowFlags flags = Qt::Window;
    if (!window_.CloseButton() || !window_.MinimizeButton() || !window_.MaximizeButton()) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (window_.CloseButton())
            flags |= Qt::WindowCloseButtonHint;
        if (window_.MinimizeButton())
            flags |= Qt::WindowMinimizeButtonHint;
        if (window_.MaximizeButton())
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (widget_->windowFlags() != flags) {
        // New flags hide a shown window; SyncVisible shows it again.
        widget_->setWindowFlags(flags);
    }
    if (QMenuBar* bar = widget_->MenuBar(); bar && bar->isHidden() == window_.MenuBarVisible())
        bar->setVisible(window_.MenuBarVisible());
}

void QtWindowPeer::SyncSize()
{
    const int width = ClampSize(window_.Width());
    const int height = ClampSize(window_.Height());
    const int bar = widget_->MenuBarHeight(width);
    if (!window_.Resizeable()) {
        widget_->setFixedSize(width, height + bar);
    } else {
        widget_->setMinimumSize(ClampSize(window_.MinWidth()), ClampSize(std::int64_t{window_.MinHeight()} + bar));
        widget_->setMaximumSize(ClampSize(window_.MaxWidth()), ClampSize(std::int64_t{window_.MaxHeight()} + bar));
        widget_->resize(width, height + bar);
    }
    // A new or hidden menu bar at an unchanged size brings no resize event.
    widget_->LayOut();
}

void QtWindowPeer::SyncColors()
{
    QWidget* content = widget_->Content();
    if (!window_.HasBackColor()) {
        if (content->autoFillBackground()) {
            content->setAutoFillBackground(false);
            content->setPalette(QPalette());
        }
        return;
    }
    const QColor colour = ToQColor(window_.BackColor());
    if (content->autoFillBackground() && content->palette().color(QPalette::Window) == colour)
        return;
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, colour);
    content->setPalette(palette);
    content->setAutoFillBackground(true);
}

void QtWindowPeer::SyncTabOrder()
{
    std::vector<RectControl*> controls;
    for (const Ref<Control>& control : window_.Controls())
        if (auto* rect = dynamic_cast<RectControl*>(control.get()))
            controls.push_back(rect);
    std::stable_sort(controls.begin(), controls.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    QWidget* previous = nullptr;
    for (RectControl* control : controls) {
        auto* peer = dynamic_cast<QtControlPeer*>(control->Peer());
        QWidget* widget = peer ? peer->Widget() : nullptr;
        if (!widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void QtWindowPeer::SyncVisible()
{
    if (!window_.Visible() || !window_.IsOpen()) {
        if (!widget_->isHidden())
            widget_->hide();
        return;
    }
    if (window_.FullScreen()) {
        if (!widget_->isFullScreen() || widget_->isHidden())
            widget_->showFullScreen();
    } else if (widget_->isFullScreen()) {
        widget_->showNormal();
    } else if (widget_->isHidden()) {
        widget_->show();
    }
}

void QtWindowPeer::UserClosed()
{
    Ref<Window> keep(&window_);
    DispatchEvent([&] { keep->UserClosed(); });
}

void QtWindowPeer::UserResized(int width, int height)
{
    if (width == window_.Width() && height == window_.Height())
        return;
    Ref<Window> keep(&window_);
    DispatchEvent([&] { keep->UserResized(width, height); });
}

void QtWindowPeer::UserChose(MenuItem& item)
{
    Ref<Window> keep(&window_);
    Ref<MenuItem> chosen(&item);
    DispatchEvent([&] { chosen->Choose(keep.get()); });
}

} // namespace fw::qtui
