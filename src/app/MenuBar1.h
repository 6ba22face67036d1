#pragma once

#include "framework/ClassInfo.h"
#include "framework/MenuItem.h"

// The application's one menu bar: "File" with the quit item, and "Modifica"
// with the edit items. Built in code when it is first used; the application
// and the drill window share it.
namespace MenuBar1 {

class MenuBar1 : public fw::MenuBar {
public:
    // Builds both menus; takes the place of the argument-less constructor.
    void Constructor() override;
    // The "File" menu.
    virtual void Untitled0();
    // The "Modifica" menu.
    virtual void Untitled1();

    static const fw::ClassInfo& Lookup_();
    using fw::MenuItem::Lookup_;
};

// The shared menu bar; nil until first use and again after Exit_.
extern fw::Ref<MenuBar1> implicitInstance_;

// The shared menu bar, made and built on first use. If building it fails, no
// instance is kept and the next call starts over.
fw::Ref<MenuBar1> Instance();

// Releases the shared menu bar at the end of the run.
void Exit_();

} // namespace MenuBar1
