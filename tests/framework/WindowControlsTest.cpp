#include "FrameworkFixture.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"

#include <stdexcept>

using namespace fw;
using headless::Headless;

using WindowControlsTest = FrameworkTest;

namespace {

bool Mapped(const Window& window) { return window.Peer() && PeerOf<headless::HeadlessWindowPeer>(window).Mapped(); }

} // namespace

TEST_F(WindowControlsTest, ConstructorRaisesEachEventOnceAndOnlyAWholeWindowOpens)
{
    Ref<TestWindow> window = RuntimeNewObject<TestWindow>();
    EXPECT_TRUE(GetImplicitWindow_("Tests.TestWindow").IsNil());
    window->Constructor();
    EXPECT_EQ(window->raised, "CL");
    EXPECT_TRUE(window->IsOpen() && Mapped(*window));
    EXPECT_EQ(GetImplicitWindow_("Tests.TestWindow"), window);
    window->Close();
    EXPECT_FALSE(window->IsOpen() || Mapped(*window));
    EXPECT_TRUE(GetImplicitWindow_("Tests.TestWindow").IsNil());

    // A failing CreateControls keeps the controls it added but opens nothing.
    Ref<TestWindow> failed = RuntimeNewObject<TestWindow>();
    failed->onCreateControls = [](TestWindow& w) {
        AddNew<StaticText>(w, "StaticText1");
        throw std::runtime_error("second control failed");
    };
    EXPECT_THROW(failed->Constructor(), std::runtime_error);
    EXPECT_EQ(failed->raised, "C");
    EXPECT_EQ(RuntimeWindowControlByName(failed, "StaticText1"), failed->Controls().at(0));
    EXPECT_FALSE(failed->IsOpen() || Mapped(*failed));
    EXPECT_TRUE(GetImplicitWindow_("Tests.TestWindow").IsNil());
}

TEST_F(WindowControlsTest, ControlsAreFoundByNameAndOnlyAVisibleEnabledOneTakesTheFocus)
{
    Ref<TestWindow> window = OpenTestWindow();
    Ref<EditField> a = AddNew<EditField>(*window, "EditField1");
    Ref<EditField> b = AddNew<EditField>(*window, "EditField2");
    EXPECT_EQ(a->GetWindow(), window);
    EXPECT_EQ(RuntimeWindowControlByName(window, "editfield1"), a);
    EXPECT_TRUE(RuntimeWindowControlByName(window, "EditField3").IsNil());
    EXPECT_TRUE(RuntimeWindowControlByName(nullptr, "EditField1").IsNil());

    a->SetEnabled(false);
    a->SetFocus();
    a->SetEnabled(true);
    a->SetVisible(false);
    a->SetFocus();
    EXPECT_EQ(PeerOf(*a).FocusRequests(), 0);
    EXPECT_EQ(window->FocusedControl(), nullptr);
    a->SetVisible(true);
    a->SetFocus();
    EXPECT_TRUE(a->HasFocus());
    EXPECT_EQ(PeerOf(*a).FocusRequests(), 1);

    a->SetVisible(false); // hiding or disabling the focused control drops the focus
    EXPECT_EQ(window->FocusedControl(), nullptr);
    b->SetFocus();
    b->SetEnabled(false);
    EXPECT_EQ(window->FocusedControl(), nullptr);
}

TEST_F(WindowControlsTest, EachButtonRunsItsOwnBoundHandlerOnItsWindow)
{
    Ref<TestWindow> window = OpenTestWindow();
    Ref<PushButton> one = AddNew<PushButton>(*window, "PushButton1");
    Ref<PushButton> two = AddNew<PushButton>(*window, "PushButton2");
    Ref<PushButton> unbound = AddNew<PushButton>(*window, "PushButton3");
    InstallInstanceEventHandler_(one, "Action", &BoundHandler<TestWindow, &TestWindow::CountAction>);
    InstallInstanceEventHandler_(two, "Action", &BoundHandler<TestWindow, &TestWindow::OtherAction>);
    InstallInstanceEventHandler_(unbound, "Action", nullptr);
    EXPECT_THROW(InstallInstanceEventHandler_(one, "action", nullptr), InvalidArgumentException);
    EXPECT_THROW(InstallInstanceEventHandler_(one, "Open", nullptr), InvalidArgumentException);

    headless::Click(*one);
    EXPECT_EQ(window->actions, 1);
    headless::Click(*two);
    headless::Click(*unbound);
    EXPECT_EQ(window->actions, 101);
    one->SetVisible(false);
    headless::Click(*one);
    one->SetVisible(true);
    one->SetEnabled(false);
    headless::Click(*one);
    EXPECT_EQ(window->actions, 101); // neither hidden nor disabled presses count

    Ref<PushButton> loose = RuntimeNewObject<PushButton>();
    InstallInstanceEventHandler_(loose, "Action", &BoundHandler<TestWindow, &TestWindow::CountAction>);
    EXPECT_THROW(loose->CallAction_(), NilObjectException); // no window to work on
}

TEST_F(WindowControlsTest, ClosingTheLastOpenWindowEndsTheLoop)
{
    Ref<TestWindow> first = OpenTestWindow();
    Ref<TestWindow> second = OpenTestWindow();
    int after = 0;
    Headless().Post([&] { first->UserClosed(); });
    Headless().Post([&] { ++after; });
    Headless().Post([&] { second->UserClosed(); });
    Headless().Post([&] { after += 10; });
    RuntimeRun();
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(Headless().QuitByRequest());
    EXPECT_TRUE(OpenWindows().empty());
}
