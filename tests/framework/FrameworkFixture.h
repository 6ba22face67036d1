#pragma once

#include "framework/ClassInfo.h"
#include "framework/FailureSeam.h"
#include "framework/MenuItem.h"
#include "framework/Object.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "toolkit/headless/HeadlessPeers.h"
#include "toolkit/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

// A fresh platform, a disarmed seam, and every object the test made given
// back: a leak would otherwise show up as a failure somewhere else.
class FrameworkTest : public testing::Test {
protected:
    void SetUp() override
    {
        fw::seam::Disarm();
        fw::headless::Headless().Reset();
        fw::RuntimeInit();
        liveAtStart_ = fw::Object::LiveCount();
    }
    void TearDown() override
    {
        fw::RuntimeExit();
        fw::ReleaseFrameworkModuleReferences();
        fw::seam::Disarm();
        fw::headless::Headless().Reset(); // queued events may hold objects
        EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_) << "objects outlived the test";
    }
    std::size_t liveAtStart_ = 0;
};

// A window whose CreateControls the test supplies; `raised` records the
// events in order ("C" CreateControls, "L" Layout).
class TestWindow : public fw::Window {
public:
    static const fw::ClassInfo& Lookup_()
    {
        return fw::DescribeOnce([] {
            return fw::ClassDeclaration{.name = "Tests.TestWindow", .base = &fw::Window::Lookup_(),
                                 .create = []() -> fw::Object* { return new TestWindow(); },
                                 .handledEvents = {"CreateControls", "Layout"}};
        });
    }
    std::function<void(TestWindow&)> onCreateControls;
    std::string raised;
    int actions = 0; // targets for buttons' bound handlers
    void CountAction() { actions += 1; }
    void OtherAction() { actions += 100; }

protected:
    void CreateControls() override
    {
        raised += 'C';
        if (onCreateControls)
            onCreateControls(*this);
    }
    void Layout() override { raised += 'L'; }
};

// A new window of the class, constructed (so open) with the controls the callback adds.
inline fw::Ref<TestWindow> OpenTestWindow(std::function<void(TestWindow&)> createControls = {})
{
    fw::Ref<TestWindow> window = fw::RuntimeNewObject<TestWindow>();
    window->onCreateControls = std::move(createControls);
    window->Constructor();
    return window;
}

// A new control of the class, constructed and added to the window.
template <class C>
fw::Ref<C> AddNew(fw::Window& window, std::string_view name)
{
    fw::Ref<C> control = fw::RuntimeCheckCast<C>(window.New_(C::Lookup_()));
    control->Constructor();
    window.AddControl_(name, control);
    return control;
}

template <class Peer = fw::headless::HeadlessControlPeer, class Owner>
Peer& PeerOf(const Owner& owner)
{
    return dynamic_cast<Peer&>(*owner.Peer());
}

// File: Quit; Edit: Undo, -, Cut, Paste, SelectAll; every item enables itself.
inline fw::Ref<fw::MenuBar> SmallMenuBar()
{
    auto item = [](std::string_view name, const fw::ClassInfo& info = fw::MenuItem::Lookup_()) {
        fw::Ref<fw::MenuItem> made = fw::RuntimeCheckCast<fw::MenuItem>(fw::RuntimeNewObject(info));
        made->Constructor();
        made->SetName(name);
        made->SetText(name == "EditSeparator" ? "-" : name);
        made->SetAutoEnable(true);
        return made;
    };
    fw::Ref<fw::MenuBar> bar = fw::RuntimeCheckCast<fw::MenuBar>(fw::RuntimeNewObject(fw::MenuBar::Lookup_()));
    fw::Ref<fw::MenuItem> file = item("FileMenu"), edit = item("EditMenu");
    file->Append(item("FileQuit", fw::QuitMenuItem::Lookup_()));
    for (std::string_view name : {"EditUndo", "EditSeparator", "EditCut", "EditPaste", "EditSelectAll"})
        edit->Append(item(name));
    bar->Append(file);
    bar->Append(edit);
    return bar;
}
