#include "toolkit/qt/QtWindowWidget.h"

#include "toolkit/qt/QtWindowPeer.h"

#include <QCloseEvent>

namespace fw::qtui {

QtWindowWidget::QtWindowWidget() : content_(new QWidget(this)) {}

QMenuBar* QtWindowWidget::NewMenuBar()
{
    RemoveMenuBar();
    bar_ = new QMenuBar(this);
    // In the window, whatever the desktop offers: the program's menus belong
    // to its one window.
    bar_->setNativeMenuBar(false);
    return bar_;
}

void QtWindowWidget::RemoveMenuBar()
{
    if (!bar_)
        return;
    bar_->hide();
    // The old bar's own action may be what is running now.
    bar_->deleteLater();
    bar_ = nullptr;
}

int QtWindowWidget::MenuBarHeight(int width) const
{
    if (!bar_ || bar_->isHidden())
        return 0;
    const int height = bar_->heightForWidth(width);
    return height > 0 ? height : bar_->sizeHint().height();
}

void QtWindowWidget::LayOut()
{
    const int bar = MenuBarHeight(width());
    if (bar_)
        bar_->setGeometry(0, 0, width(), bar);
    content_->setGeometry(0, bar, width(), height() - bar);
}

void QtWindowWidget::closeEvent(QCloseEvent* event)
{
    if (!peer) {
        event->accept();
        return;
    }
    // The framework decides; when it closes the window its peer hides it.
    event->ignore();
    peer->UserClosed();
}

void QtWindowWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
    if (peer)
        peer->UserResized(content_->width(), content_->height());
}

} // namespace fw::qtui
