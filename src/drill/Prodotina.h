#pragma once

#include "framework/ClassInfo.h"
#include "framework/Control.h"
#include "framework/Exceptions.h"
#include "framework/MenuItem.h"
#include "framework/Window.h"

#include <cstdint>
#include <string_view>

// The drill window: two factors, the answer field, the counts of right and
// wrong answers, and the buttons "Inizia", "Controlla" and "Termina". It keeps
// no reference to its controls or menu items: each is looked up by name at
// every use.
namespace Prodotina {

class Prodotina : public fw::Window {
public:
    static const fw::ClassInfo& Lookup_();

    // The window's events.
    void Layout() override;
    void CreateControls() override;
    // Creates, names, configures and binds the twelve controls.
    virtual void CreateControls0_();

    // "Inizia": starts a drill with its first question.
    virtual void PushButton1_Action();
    // "Controlla": counts the answer as right or wrong and poses the next question.
    virtual void PushButton2_Action();
    // "Termina": ends the drill and shows both counts.
    virtual void PushButton3_Action();

    // The items of the window's current menu bar, found by name at each call.
    virtual fw::Ref<fw::MenuItem> EditMenu();
    virtual fw::Ref<fw::MenuItem> EditSelectAll();
    virtual fw::Ref<fw::MenuItem> UntitledMenu0();
    virtual fw::Ref<fw::MenuItem> EditClear();
    virtual fw::Ref<fw::MenuItem> EditPaste();
    virtual fw::Ref<fw::MenuItem> EditCopy();
    virtual fw::Ref<fw::MenuItem> EditCut();
    virtual fw::Ref<fw::MenuItem> UntitledMenu1();
    virtual fw::Ref<fw::MenuItem> EditUndo();
    virtual fw::Ref<fw::MenuItem> FileMenu();
    virtual fw::Ref<fw::QuitMenuItem> FileQuit();

    // Draws a new question, shows it and puts the focus into the answer field.
    virtual void calcola();

    // The control members: each is the window's control of the name given.
    fw::Ref<fw::Control> EditField1(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText1(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText2(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText3(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText4(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> PushButton1(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> PushButton2(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText5(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText6(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText7(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> StaticText8(std::string_view name) { return ControlNamed(name); }
    fw::Ref<fw::Control> PushButton3(std::string_view name) { return ControlNamed(name); }

    std::int32_t valore1 = 0;
    std::int32_t contatore1 = 0; // questions drawn in this run
    std::int32_t contatore2 = 0;
    std::int32_t valore2 = 0;

private:
    fw::Ref<fw::Control> ControlNamed(std::string_view name)
    {
        return fw::RuntimeWindowControlByName(fw::Ref<fw::Window>(this), name);
    }

    // The control of that name as a T; nil raises NilObjectException.
    template <class T>
    fw::Ref<T> Required(std::string_view name)
    {
        fw::Ref<fw::Control> control = ControlNamed(name);
        if (!control)
            fw::RaiseNilObjectException();
        return fw::RuntimeCheckCast<T>(control);
    }

    // The item of that name in the current menu bar, as a T.
    template <class T>
    fw::Ref<T> MenuItemNamed(std::string_view name);
};

// The open drill window, made when none is open yet.
fw::Ref<Prodotina> Instance();

} // namespace Prodotina
