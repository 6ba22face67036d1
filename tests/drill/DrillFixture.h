#pragma once

#include "app/Startup.h"
#include "drill/Prodotina.h"
#include "framework/EditField.h"
#include "framework/FailureSeam.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/StaticText.h"
#include "toolkit/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// A runtime with every class described, and nothing else yet.
class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::headless::Headless().Reset();
        fw::seam::Disarm();
        fw::RuntimeInit();
        initialize();
    }
    void TearDown() override
    {
        window_ = nullptr;
        fw::seam::Disarm();
        finalize();
        fw::RuntimeExit();
    }

    // A control of the window found without the runtime's lookup, so that a
    // test's own look does not use up an armed failure.
    template <class T>
    T& Find(std::string_view name)
    {
        for (const fw::Ref<fw::Control>& control : window_->Controls())
            if (control->Name() == name)
                return dynamic_cast<T&>(*control);
        throw std::runtime_error("no control " + std::string(name));
    }
    std::string Text(std::string_view label) { return std::string(Find<fw::StaticText>(label).Text()); }
    fw::EditField& Field() { return Find<fw::EditField>("EditField1"); }
    bool Shown(std::string_view button) { return Find<fw::PushButton>(button).Visible(); }
    void Press(std::string_view button) { fw::headless::Click(Find<fw::PushButton>(button)); }
    const std::vector<std::string>& Messages() { return fw::headless::Headless().Messages(); }

    // Starts a drill if none is under way and replaces its question, so the
    // product is known; "11" and "12" are never drawn.
    void Ask(const char* first, const char* second)
    {
        if (Shown("PushButton1"))
            Press("PushButton1");
        Find<fw::StaticText>("StaticText1").SetText(first);
        Find<fw::StaticText>("StaticText2").SetText(second);
    }
    void Reply(const char* answer) { ASSERT_TRUE(fw::headless::Type(Field(), answer)); }

    // The drill's state on one line: which factors differ from the texts
    // given, questions drawn, Inizia/Controlla/Termina shown, field enabled,
    // both counts, the answer and the messages shown.
    std::string State(std::string_view first = "0", std::string_view second = "0")
    {
        auto bit = [](bool b) { return b ? "1" : "0"; };
        return std::string("drawn ") + bit(Text("StaticText1") != first) + bit(Text("StaticText2") != second) +
               " q" + std::to_string(window_->contatore1) + " shown " + bit(Shown("PushButton1")) +
               bit(Shown("PushButton2")) + bit(Shown("PushButton3")) + " field " + bit(Field().Enabled()) +
               " counts '" + Text("StaticText6") + "' '" + Text("StaticText7") + "' answer '" +
               std::string(Field().Text()) + "' messages " + std::to_string(Messages().size());
    }

    fw::Ref<Prodotina::Prodotina> window_;
};

// The program after its start-up steps: the drill window is open.
class DrillTest : public RuntimeTest {
protected:
    void SetUp() override
    {
        RuntimeTest::SetUp();
        fw::RunFrameworkInitialization(&Startup_);
        window_ = fw::RuntimeCheckCast<Prodotina::Prodotina>(fw::GetImplicitWindow_("Prodotina.Prodotina"));
        ASSERT_TRUE(window_);
    }
};
