#pragma once

#include "framework/EditField.h"
#include "framework/MenuItem.h"
#include "framework/Object.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/StaticText.h"
#include "framework/Window.h"
#include "toolkit/qt/QtEditFieldPeer.h"
#include "toolkit/qt/QtPushButtonPeer.h"
#include "toolkit/qt/QtStaticTextPeer.h"
#include "toolkit/qt/QtWindowPeer.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

// A window of the drill's shape, made as the program makes its own: a red
// label, a field with the mask "###", a button, and a File and an Edit menu.
class QtTestWindow : public fw::Window {
public:
    static const fw::ClassInfo& Lookup_();

    fw::Ref<fw::StaticText> label;
    fw::Ref<fw::EditField> field;
    fw::Ref<fw::PushButton> button;

    int clicks = 0;
    bool throwOnClick = false;
    void Button_Action()
    {
        ++clicks;
        if (throwOnClick)
            throw std::runtime_error("raised by the click handler");
    }

    fw::qtui::QtWindowWidget* Widget() const;
    QLabel* Label() const;
    QLineEdit* Edit() const;
    QPushButton* Button() const;
    // The menu action of the item of that name.
    QAction* Action(const char* itemName) const;

protected:
    void CreateControls() override;
    void Layout() override;
};

// Brings the toolkit up for each test and checks that the test's windows and
// widgets are all gone at its end.
class QtToolkitTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Shows the window and waits until it has the keyboard.
    void ShowActive();

    fw::Ref<QtTestWindow> window;

private:
    std::size_t liveAtStart_ = 0;
};
