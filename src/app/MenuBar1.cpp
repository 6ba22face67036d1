#include "app/MenuBar1.h"

#include "app/NilSafe.h"
#include "framework/Exceptions.h"

#include <optional>
#include <span>
#include <string_view>

namespace MenuBar1 {

fw::Ref<MenuBar1> implicitInstance_;

namespace {

// One item of the menu tree, in the order it is built.
struct Row {
    std::string_view parent; // empty: a menu title, appended to the bar itself
    std::string_view name;   // what lookups find the item by
    std::string_view text;   // what the menu shows
    std::optional<std::string_view> shortcut; // separators never get one
    bool quits = false;
};

constexpr Row kFileRows[] = {
    {{}, "FileMenu", "File", ""},
    {"FileMenu", "FileQuit", "Esci", "Cmd+Q", true},
};

constexpr Row kEditRows[] = {
    {{}, "EditMenu", "Modifica", ""},
    {"EditMenu", "EditUndo", "Annulla", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", "-", std::nullopt},
    {"EditMenu", "EditCut", "Taglia", "Cmd+X"},
    {"EditMenu", "EditCopy", "Copia", "Cmd+C"},
    {"EditMenu", "EditPaste", "Incolla", "Cmd+V"},
    {"EditMenu", "EditClear", "Elimina", ""},
    {"EditMenu", "UntitledMenu0", "-", std::nullopt},
    {"EditMenu", "EditSelectAll", "Seleziona tutto", "Cmd+A"},
};

template <class T>
fw::Ref<fw::MenuItem> NewItem()
{
    fw::Ref<T> item = fw::RuntimeNewObject<T>();
    RequireObject(item).Constructor();
    return item;
}

void BuildRows(MenuBar1& bar, std::span<const Row> rows)
{
    fw::Ref<fw::MenuItem> item;
    for (const Row& row : rows) {
        item = row.quits ? NewItem<fw::QuitMenuItem>() : NewItem<fw::MenuItem>();
        item->SetName(row.name);
        item->SetAutoEnable(true);
        item->SetText(row.text);
        if (row.shortcut)
            item->SetKeyboardShortcut(*row.shortcut);
        if (row.parent.empty()) {
            bar.Append(item);
        } else {
            // The menu is found by name anew for every item.
            fw::Ref<fw::MenuItem> menu = bar.Child(row.parent);
            if (!menu)
                fw::RaiseNilObjectException();
            menu->Append(item);
        }
    }
}

} // namespace

const fw::ClassInfo& MenuBar1::Lookup_()
{
    return fw::DescribeOnce([] {
        const std::vector<fw::Attribute> isPublic = {{"__Scope", "Public"}};
        return fw::ClassDeclaration{
            .name = "MenuBar1.MenuBar1",
            .base = &fw::MenuBar::Lookup_(),
            .create = []() -> fw::Object* { return new MenuBar1(); },
            .operations = {{"Constructor", "", ""}, {"Untitled0", "", ""}, {"Untitled1", "", ""}},
            .members =
                {
                    {"Constructor", "", "", isPublic},
                    {"Untitled0", "", "", isPublic},
                    {"Untitled1", "", "", isPublic},
                },
            .attributes = isPublic,
        };
    });
}

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0() { BuildRows(*this, kFileRows); }

void MenuBar1::Untitled1() { BuildRows(*this, kEditRows); }

fw::Ref<MenuBar1> Instance()
{
    if (!implicitInstance_) {
        fw::Ref<MenuBar1> created = fw::RuntimeNewObject<MenuBar1>();
        RequireObject(created).Constructor();
        // Kept only once it is fully built: a failure above leaves nil.
        implicitInstance_ = created;
    }
    return implicitInstance_;
}

void Exit_() { implicitInstance_ = nullptr; }

} // namespace MenuBar1
