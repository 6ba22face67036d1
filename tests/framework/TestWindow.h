#pragma once

#include "framework/ClassInfo.h"
#include "framework/Window.h"

#include <functional>
#include <string_view>

// A window whose CreateControls and Layout events the test supplies. It
// records how often each was raised and in which order.
class TestWindow : public fw::Window {
public:
    static const fw::ClassInfo& Lookup_();

    std::function<void(TestWindow&)> onCreateControls;
    std::function<void(TestWindow&)> onLayout;
    std::string raised; // "C" per CreateControls, "L" per Layout

    // Targets for buttons' bound handlers.
    int actions = 0;
    void CountAction() { actions += 1; }
    void OtherAction() { actions += 100; }

protected:
    void CreateControls() override;
    void Layout() override;
};

// A new window of the class, made through the object model but not yet
// constructed.
fw::Ref<TestWindow> NewTestWindow();
// The same, constructed: open, with the controls the callback adds.
fw::Ref<TestWindow> OpenTestWindow(std::function<void(TestWindow&)> createControls = {});

// A new control of the class, constructed and added to the window.
template <class C>
fw::Ref<C> AddNew(fw::Window& window, std::string_view name)
{
    fw::Ref<C> control = fw::RuntimeCheckCast<C>(window.New_(C::Lookup_()));
    control->Constructor();
    window.AddControl_(name, control);
    return control;
}
