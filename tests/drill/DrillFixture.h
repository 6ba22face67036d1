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
    std::string Answer() { return std::string(Find<fw::EditField>("EditField1").Text()); }
    bool Shown(std::string_view button) { return Find<fw::PushButton>(button).Visible(); }
    void Press(std::string_view button) { fw::headless::Click(Find<fw::PushButton>(button)); }

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
