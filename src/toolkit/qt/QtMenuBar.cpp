#include "toolkit/qt/QtMenuBar.h"

#include "framework/MenuItem.h"
#include "toolkit/qt/QtText.h"
#include "toolkit/qt/QtWindowPeer.h"
#include "toolkit/qt/QtWindowWidget.h"

#include <QAction>
#include <QMenu>

namespace fw::qtui {

namespace {

void Connect(QAction& action, MenuItem& item, QtWindowWidget& window)
{
    // The action holds the item: a bar that the program replaces stays
    // valid until Qt drops the old actions.
    QObject::connect(&action, &QAction::triggered, &action, [owner = &window, keep = Ref<MenuItem>(&item)] {
        if (owner->peer)
            owner->peer->UserChose(*keep);
    });
}

QAction* AddItem(QWidget& menu, MenuItem& item, QtWindowWidget& window)
{
    auto* action = new QAction(ToLabel(item.Text()), &menu);
    action->setEnabled(item.Enabled());
    if (item.HasKeyboardShortcut())
        action->setShortcut(ShortcutFromText(item.KeyboardShortcut()));
    Connect(*action, item, window);
    menu.addAction(action);
    return action;
}

void FillMenu(QMenu& menu, const MenuItem& parent, QtWindowWidget& window)
{
    for (std::int32_t i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (item->IsSeparator()) {
            menu.addSeparator();
        } else if (item->Count() > 0) {
            QMenu* submenu = menu.addMenu(ToLabel(item->Text()));
            submenu->menuAction()->setEnabled(item->Enabled());
            FillMenu(*submenu, *item, window);
        } else {
            AddItem(menu, *item, window);
        }
    }
}

} // namespace

QKeySequence ShortcutFromText(std::string_view text)
{
    if (text.empty())
        return {};
    QStringList keys = ToQString(text).split(QLatin1Char('+'));
    for (QString& key : keys)
        if (key.compare(QLatin1String("Cmd"), Qt::CaseInsensitive) == 0 ||
            key.compare(QLatin1String("Command"), Qt::CaseInsensitive) == 0)
            key = QStringLiteral("Ctrl");
    return QKeySequence::fromString(keys.join(QLatin1Char('+')), QKeySequence::PortableText);
}

void FillMenuBar(QMenuBar& bar, const MenuItem& root, QtWindowWidget& window)
{
    for (std::int32_t i = 0; i < root.Count(); ++i) {
        Ref<MenuItem> title = root.Item(i);
        if (title->Count() > 0) {
            QMenu* menu = bar.addMenu(ToLabel(title->Text()));
            menu->menuAction()->setEnabled(title->Enabled());
            FillMenu(*menu, *title, window);
        } else if (!title->IsSeparator()) {
            AddItem(bar, *title, window);
        }
    }
}

} // namespace fw::qtui
