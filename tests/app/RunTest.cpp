#include "ProgramFixture.h"

#include "framework/PushButton.h"

namespace {

using fw::headless::Headless;

// What the first event of the loop finds.
struct FirstLook {
    bool ran = false;
    bool appHasTheMenuBar = false;
    bool windowOpen = false;
    bool windowSharesTheMenuBar = false;
};

} // namespace

TEST_F(ProgramTest, ARunQuitAsSoonAsTheWindowShowsEndsCleanly)
{
    FirstLook look;
    bool afterQuit = false;
    Headless().Post([&look] {
        const fw::Ref<fw::Application> app = fw::RuntimeAppObject();
        const fw::Ref<fw::Window> window = DrillWindow();
        look.ran = true;
        look.appHasTheMenuBar = app && app->GetMenuBar() && app->GetMenuBar() == MenuBar1::implicitInstance_;
        look.windowOpen = window && window->IsOpen();
        look.windowSharesTheMenuBar = window && app && window->GetMenuBar() == app->GetMenuBar();
        fw::headless::Choose(*window, "FileQuit");
    });
    Headless().Post([&afterQuit] { afterQuit = true; });

    Begin();
    Main_();
    EXPECT_TRUE(look.ran);
    EXPECT_TRUE(look.appHasTheMenuBar);
    EXPECT_TRUE(look.windowOpen);
    EXPECT_TRUE(look.windowSharesTheMenuBar);
    EXPECT_EQ(Headless().Runs(), 1);
    EXPECT_TRUE(Headless().QuitByRequest());
    EXPECT_FALSE(afterQuit);

    EXPECT_EQ(End(), 0);
    EXPECT_FALSE(MenuBar1::implicitInstance_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_);
}

TEST_F(ProgramTest, AFailedStartUpIsReportedOnceAndNeverEntersTheLoop)
{
    // No application object; then a menu bar that cannot be built.
    const std::pair<const char*, const char*> failures[] = {{"RuntimeNewObject", "App"},
                                                            {"MenuItem.Child", "EditMenu"}};
    for (const auto& [operation, subject] : failures) {
        SCOPED_TRACE(subject);
        Headless().Reset();
        Begin();
        fw::seam::Arm(operation, subject);
        Main_();
        fw::seam::Disarm();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(Messages()[0].find("NilObjectException"), std::string::npos);
        EXPECT_FALSE(fw::RuntimeAppObject()); // the menu bar comes before registration
        EXPECT_FALSE(DrillWindow());
        EXPECT_TRUE(fw::OpenWindows().empty());
        EXPECT_EQ(Headless().Runs(), 0);
        EXPECT_NE(End(), 0);
        EXPECT_FALSE(MenuBar1::implicitInstance_);
        EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_);
    }
}

TEST_F(ProgramTest, AnExceptionOutOfTheLoopIsReportedOnce)
{
    bool later = false;
    Headless().Post([] {
        const fw::Ref<fw::Window> window = DrillWindow();
        fw::headless::Click(*fw::RuntimeCheckCast<fw::PushButton>(fw::RuntimeWindowControlByName(window, "PushButton1")));
    });
    Headless().Post([&later] { later = true; });
    Begin();
    // Making the controls looks "PushButton2" up twice; "Inizia" is the third.
    fw::seam::Arm("RuntimeWindowControlByName", "PushButton2", 2);
    Main_();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("NilObjectException"), std::string::npos);
    EXPECT_EQ(Headless().Runs(), 1);
    EXPECT_FALSE(later);
    EXPECT_NE(End(), 0);
    EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_);
}

TEST_F(ProgramTest, WithoutAStartUpDelegateNothingStartsAndNothingIsReported)
{
    Begin();
    fw::seam::Arm("RuntimeCreateDelegate");
    Main_();
    EXPECT_FALSE(fw::RuntimeAppObject());
    EXPECT_FALSE(DrillWindow());
    EXPECT_FALSE(MenuBar1::implicitInstance_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(End(), 0);
}
