#pragma once

#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "drill/Prodotina.h"
#include "framework/Application.h"
#include "framework/FailureSeam.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "toolkit/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

// Runs the program the way main does, in steps a test can look between.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fw::headless::Headless().Reset();
        fw::seam::Disarm();
        liveAtStart_ = fw::Object::LiveCount();
    }
    void TearDown() override
    {
        fw::seam::Disarm();
        if (fw::RuntimeIsUp())
            End();
    }

    void Begin()
    {
        fw::RuntimeInit();
        initialize();
    }
    std::int32_t End()
    {
        finalize();
        return fw::RuntimeExit();
    }

    static fw::Ref<fw::Window> DrillWindow() { return fw::GetImplicitWindow_("Prodotina.Prodotina"); }
    static const std::vector<std::string>& Messages() { return fw::headless::Headless().Messages(); }

    std::size_t liveAtStart_ = 0;
};
