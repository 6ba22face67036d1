#pragma once

#include "framework/FailureSeam.h"
#include "framework/Object.h"
#include "framework/Runtime.h"
#include "toolkit/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

// Every test that touches the runtime starts with a fresh platform and a
// disarmed seam, and must give back every object it made: a leak in one test
// would otherwise show up as a failure somewhere else.
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

private:
    std::size_t liveAtStart_ = 0;
};
