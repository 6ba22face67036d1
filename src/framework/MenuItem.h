#pragma once

#include "framework/ClassInfo.h"
#include "framework/Object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Window;

// An item of a menu, a menu title, or (as MenuBar) the bar itself: a tree in
// which every item owns its children.
class MenuItem : public Object {
public:
    ~MenuItem() override;
    static const ClassInfo& Lookup_();

    // The argument-less constructor.
    virtual void Constructor();

    std::string_view Name() const { return name_; }
    void SetName(std::string_view name) { name_ = name; }
    std::string_view Text() const { return text_; }
    void SetText(std::string_view text) { text_ = text; }
    // A text such as "Cmd+Q"; an item whose shortcut was never set differs
    // from one set to the empty text, though neither has a shortcut.
    std::string_view KeyboardShortcut() const { return shortcut_; }
    bool HasKeyboardShortcut() const { return shortcutSet_; }
    void SetKeyboardShortcut(std::string_view shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    // An item is enabled when it enables itself automatically.
    bool Enabled() const { return autoEnable_; }
    // A separator is an item whose text is "-".
    bool IsSeparator() const { return text_ == "-"; }

    // Appends the item as the last child; an item that already has a parent
    // leaves it first. An item cannot become its own descendant.
    void Append(const Ref<MenuItem>& item);
    std::int32_t Count() const { return static_cast<std::int32_t>(children_.size()); }
    // The child at the index, or nil.
    Ref<MenuItem> Item(std::int32_t index) const;
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below this one, depth first, or nil.
    Ref<MenuItem> Lookup_(std::string_view name) const;
    MenuItem* Parent() const { return parent_; }

    // The user chose the item in the window's menu bar: it performs its
    // action. Items that the program gave no handler act as a desktop user
    // expects: the Edit items on the focused field, the others not at all.
    void Choose(Window* window);

protected:
    // The item's built-in action.
    virtual void Event_Action(Window* window);

private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool shortcutSet_ = false;
    bool autoEnable_ = false;
    std::vector<Ref<MenuItem>> children_;
    MenuItem* parent_ = nullptr;
};

class MenuBar : public MenuItem {
public:
    static const ClassInfo& Lookup_();
    using MenuItem::Lookup_;
};

// The item that quits the application.
class QuitMenuItem : public MenuItem {
public:
    static const ClassInfo& Lookup_();
    using MenuItem::Lookup_;

protected:
    void Event_Action(Window* window) override;
};

} // namespace fw
