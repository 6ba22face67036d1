#include "ProgramFixture.h"

#include "framework/PushButton.h"

using fw::headless::Headless;

TEST_F(ProgramTest, ARunQuitAsSoonAsTheWindowShowsEndsCleanly)
{
    // What the first event of the loop finds: the one menu bar, shared.
    const fw::MenuItem *appBar = nullptr, *windowBar = nullptr;
    bool windowOpen = false, afterQuit = false;
    Headless().Post([&] {
        const fw::Ref<fw::Window> window = DrillWindow();
        appBar = fw::RuntimeAppObject()->GetMenuBar().get();
        windowBar = window->GetMenuBar().get();
        windowOpen = window->IsOpen();
        fw::headless::Choose(*window, "FileQuit");
    });
    Headless().Post([&] { afterQuit = true; });
    Begin();
    Main_();
    ASSERT_TRUE(MenuBar1::implicitInstance_);
    EXPECT_EQ(appBar, MenuBar1::implicitInstance_.get());
    EXPECT_EQ(windowBar, appBar);
    EXPECT_TRUE(windowOpen);
    EXPECT_EQ(Headless().Runs(), 1);
    EXPECT_TRUE(Headless().QuitByRequest());
    EXPECT_FALSE(afterQuit);

    EXPECT_EQ(End(), 0);
    EXPECT_FALSE(MenuBar1::implicitInstance_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_);
}

TEST_F(ProgramTest, AnExceptionInStartUpOrInTheLoopIsReportedOnceAndEndsTheRun)
{
    const struct {
        const char* operation;
        const char* subject;
        int skip;
        int runs;
    } failures[] = {
        {"RuntimeNewObject", "App", 0, 0}, // no application object
        {"MenuItem.Child", "EditMenu", 0, 0}, // no menu bar, so nothing is registered either
        {"RuntimeWindowControlByName", "PushButton2", 2, 1}, // making the controls looks it up twice; Inizia next
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.subject);
        Headless().Reset();
        bool later = false;
        Headless().Post([] {
            const fw::Ref<fw::Control> inizia = fw::RuntimeWindowControlByName(DrillWindow(), "PushButton1");
            fw::headless::Click(*fw::RuntimeCheckCast<fw::PushButton>(inizia));
        });
        Headless().Post([&later] { later = true; });
        Begin();
        fw::seam::Arm(f.operation, f.subject, f.skip);
        Main_();
        fw::seam::Disarm();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(Messages()[0].find("NilObjectException"), std::string::npos);
        EXPECT_EQ(Headless().Runs(), f.runs);
        EXPECT_FALSE(later);
        if (f.runs == 0) {
            EXPECT_FALSE(fw::RuntimeAppObject() || DrillWindow());
            EXPECT_TRUE(fw::OpenWindows().empty());
        }
        EXPECT_NE(End(), 0);
        EXPECT_FALSE(MenuBar1::implicitInstance_);
        EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_);
    }
}

TEST_F(ProgramTest, WithoutAStartUpDelegateNothingStartsAndNothingIsReported)
{
    Begin();
    fw::seam::Arm("RuntimeCreateDelegate");
    Main_();
    EXPECT_FALSE(fw::RuntimeAppObject() || DrillWindow() || MenuBar1::implicitInstance_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(End(), 0);
}
