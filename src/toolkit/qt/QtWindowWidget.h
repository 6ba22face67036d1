#pragma once

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

namespace fw::qtui {

class QtWindowPeer;

// The top-level widget of a framework window: its menu bar across the top
// and, below it, the content area that holds the controls.
class QtWindowWidget final : public QWidget {
public:
    QtWindowWidget();

    // The peer that shows its window through this widget; cleared when the
    // peer goes, so a widget whose deletion is pending reports nothing.
    QtWindowPeer* peer = nullptr;

    QWidget* Content() const { return content_; }
    QMenuBar* MenuBar() const { return bar_; }
    // An empty menu bar in place of the current one, if any.
    QMenuBar* NewMenuBar();
    void RemoveMenuBar();
    // The height the menu bar takes at this window width; 0 without a bar.
    int MenuBarHeight(int width) const;
    // Places the menu bar and the content area for the current size.
    void LayOut();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* content_;
    QPointer<QMenuBar> bar_;
};

} // namespace fw::qtui
