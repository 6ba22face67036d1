#include "framework/MenuItem.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/FailureSeam.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

#include <algorithm>

namespace fw {

namespace {

// The Edit items act on the focused field by their names, as on every desktop.
struct EditItem {
    std::string_view name;
    EditCommand command;
};
constexpr EditItem kEditItems[] = {
    {"EditUndo", EditCommand::Undo},   {"EditCut", EditCommand::Cut},     {"EditCopy", EditCommand::Copy},
    {"EditPaste", EditCommand::Paste}, {"EditClear", EditCommand::Clear}, {"EditSelectAll", EditCommand::SelectAll},
};

} // namespace

MenuItem::~MenuItem()
{
    for (const Ref<MenuItem>& child : children_)
        child->parent_ = nullptr;
}

const ClassInfo& MenuItem::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "MenuItem",
            .base = &ObjectClass(),
            .create = []() -> Object* { return new MenuItem(); },
            .operations =
                {
                    {"Enable", "", ""},
                    {"Close", "", ""},
                    {"Item", "Int32", "MenuItem"},
                    {"Count", "", "Int32"},
                    {"Child", "String", "MenuItem"},
                    {"Append", "MenuItem", ""},
                    {"Insert", "Int32, MenuItem", ""},
                    {"Remove", "Int32", ""},
                    {"Remove", "MenuItem", ""},
                    {"Remove", "String", ""},
                    {"_Lookup", "String", "MenuItem"},
                    {"_Lookup", "String, Int32", "MenuItem"},
                    {"MenuItem", "", ""},
                    {"Constructor", "String, Variant", ""},
                    {"PopUp", "", "MenuItem"},
                    {"PopUp", "Int32, Int32", "MenuItem"},
                    {"_Swap", "String, MenuItem", ""},
                    {"_DisableEntirely", "", ""},
                    {"_SelfEnable", "", ""},
                    {"MenuItem", "String, Variant", ""},
                    {"Constructor", "", ""},
                },
            .properties =
                {
                    Property<&MenuItem::SetName, &MenuItem::Name>("Name"),
                    Property<&MenuItem::SetText, &MenuItem::Text>("Text"),
                    Property<&MenuItem::SetKeyboardShortcut, &MenuItem::KeyboardShortcut>("KeyboardShortcut"),
                    Property<&MenuItem::SetAutoEnable, &MenuItem::AutoEnable>("AutoEnable"),
                },
            .events = {"Action", "EnableMenu"},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

void MenuItem::Constructor() {}

void MenuItem::SetKeyboardShortcut(std::string_view shortcut)
{
    shortcut_ = shortcut;
    shortcutSet_ = true;
}

void MenuItem::Append(const Ref<MenuItem>& item)
{
    if (!item)
        RaiseNilObjectException();
    for (const MenuItem* up = this; up; up = up->parent_)
        if (up == item.get())
            throw InvalidArgumentException("a menu item cannot be appended below itself");
    if (MenuItem* old = item->parent_) {
        auto& siblings = old->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
    }
    item->parent_ = this;
    children_.push_back(item);
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const
{
    if (seam::ShouldFail("MenuItem.Child", name))
        return nullptr;
    for (const Ref<MenuItem>& child : children_)
        if (SameIdentifier(child->Name(), name))
            return child;
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup_(std::string_view name) const
{
    for (const Ref<MenuItem>& child : children_) {
        if (SameIdentifier(child->Name(), name))
            return child;
        if (Ref<MenuItem> found = child->Lookup_(name))
            return found;
    }
    return nullptr;
}

void MenuItem::Choose(Window* window)
{
    if (Enabled())
        Event_Action(window);
}

void MenuItem::Event_Action(Window* window)
{
    if (!window)
        return;
    RectControl* focused = window->FocusedControl();
    if (!focused || !focused->Peer())
        return;
    for (const EditItem& item : kEditItems)
        if (SameIdentifier(item.name, name_))
            focused->Peer()->Edit(item.command);
}

const ClassInfo& MenuBar::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "MenuBar",
            .base = &MenuItem::Lookup_(),
            .create = []() -> Object* { return new MenuBar(); },
            .operations = {{"_InstallClone", "MenuItem", ""}, {"__DependencyList", "", ""}},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

const ClassInfo& QuitMenuItem::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "QuitMenuItem",
            .base = &MenuItem::Lookup_(),
            .create = []() -> Object* { return new QuitMenuItem(); },
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

void QuitMenuItem::Event_Action(Window*) { RuntimeQuit(); }

} // namespace fw
