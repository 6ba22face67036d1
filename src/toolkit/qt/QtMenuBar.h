#pragma once

#include <QKeySequence>
#include <QMenuBar>

#include <string_view>

namespace fw {
class MenuItem;
}

namespace fw::qtui {

class QtWindowWidget;

// The key sequence of a shortcut text such as "Cmd+Q": "Cmd" is the
// command key of the desktop, Ctrl here. An empty text has none.
QKeySequence ShortcutFromText(std::string_view text);

// Fills the bar with the menus below the framework's bar item: its children
// are the menu titles, theirs the items; an item with children of its own
// opens a submenu, an item whose text is "-" is a separator. Choosing an
// item reports it to the window's peer.
void FillMenuBar(QMenuBar& bar, const MenuItem& root, QtWindowWidget& window);

} // namespace fw::qtui
