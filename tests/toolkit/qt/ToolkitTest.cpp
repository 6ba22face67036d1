// The Qt toolkit where the real program cannot show it: a tab order unlike
// the order of creation, a handler that throws, and a window that the user
// closes while nothing else holds it.
#include "QtTestSupport.h"

#include "framework/EditField.h"
#include "framework/MsgBox.h"
#include "framework/PackedList.h"
#include "framework/PropertyList.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "toolkit/qt/QtControlPeer.h"
#include "toolkit/qt/QtWindowPeer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using fw::ListWriter;
using fw::PackedList;

// A control 100 by 30 at that top, with that tab index.
template <int Top, int TabIndex>
constexpr void At(ListWriter& w)
{
    w.Integer("Top", Top).Integer("Width", 100).Integer("Height", 30).Integer("TabIndex", TabIndex);
}
constexpr void NoTabStop(ListWriter& w) { w.Boolean("TabStop", false); }

// A window with a field and two buttons. Windows are made only from a class
// of the program's.
class TestWindow final : public fw::Window {
public:
    fw::Ref<fw::EditField> field;
    fw::Ref<fw::PushButton> last, next;

    static const fw::ClassInfo& Lookup_()
    {
        return fw::DescribeOnce([] {
            return fw::ClassDeclaration{.name = "TestWindow",
                                        .base = &fw::Window::Lookup_(),
                                        .create = []() -> fw::Object* { return new TestWindow(); }};
        });
    }
};

// What the button "Next" does when clicked; each test starts them anew.
int clicks = 0;
bool throwOnClick = false;

void NextClicked(fw::Object*)
{
    ++clicks;
    if (throwOnClick)
        throw std::runtime_error("raised by the click handler");
}

// Shows a test window whose controls are made in another order than their
// tab order. At the end its widget and every framework object must be gone.
class QtToolkitTest : public testing::Test {
protected:
    void SetUp() override
    {
        liveAtStart_ = fw::Object::LiveCount();
        clicks = 0;
        throwOnClick = false;
        fw::RuntimeInit();
        window = fw::RuntimeNewObject<TestWindow>();
        window->Constructor();
        window->field = Add<fw::EditField>("Field", PackedList<&At<0, 0>>::View());
        window->last = Add<fw::PushButton>("Last", PackedList<&At<40, 2>>::View());
        window->next = Add<fw::PushButton>("Next", PackedList<&At<80, 1>>::View());
        fw::InstallInstanceEventHandler_(window->next, "Action", &NextClicked);
        widget = dynamic_cast<fw::qtui::QtWindowPeer&>(*window->Peer()).Widget();
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    }

    void TearDown() override
    {
        window = nullptr;
        fw::RuntimeExit();
        EXPECT_TRUE(widget.isNull()) << "the window's widget outlived the run";
        EXPECT_EQ(fw::Object::LiveCount(), liveAtStart_) << "framework objects outlived the test";
    }

    template <class C>
    fw::Ref<C> Add(std::string_view name, std::string_view list)
    {
        fw::Ref<C> control = fw::RuntimeCheckCast<C>(window->New_(C::Lookup_()));
        control->Constructor();
        window->AddControl_(name, control);
        fw::SetProperties_(control, list);
        return control;
    }

    static QWidget* WidgetOf(const fw::RectControl& control)
    {
        return dynamic_cast<fw::qtui::QtControlPeer&>(*control.Peer()).Widget();
    }

    fw::Ref<TestWindow> window;
    QPointer<QWidget> widget;

private:
    std::size_t liveAtStart_ = 0;
};

} // namespace

TEST_F(QtToolkitTest, AClickReachesItsHandlerOnlyWhileEnabledAndVisibleAndWhatItThrowsEndsTheRun)
{
    QWidget* button = WidgetOf(*window->next);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    window->next->SetEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    window->next->SetEnabled(true);
    window->next->SetVisible(false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "a disabled or hidden button was clicked";

    window->next->SetVisible(true);
    throwOnClick = true;
    QTimer::singleShot(0, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    EXPECT_THROW(EndsByItself(fw::RuntimeRun), std::runtime_error);
    EXPECT_EQ(clicks, 2);

    // The report that follows still waits for the user.
    EXPECT_TRUE(AnswerMessageBox([] {
                    fw::RuntimeUnhandledException(std::make_exception_ptr(std::runtime_error("boom")));
                }).contains("boom"));
}

TEST_F(QtToolkitTest, TabFollowsTabIndexAndSkipsWhatIsNoTabStop)
{
    window->field->SetFocus();
    QTest::keyClick(WidgetOf(*window->field), Qt::Key_Tab);
    EXPECT_TRUE(WidgetOf(*window->next)->hasFocus());
    EXPECT_EQ(window->FocusedControl(), window->next.get()) << "the model follows the focus";

    window->field->SetFocus();
    fw::SetProperties_(window->next, PackedList<&NoTabStop>::View());
    QTest::keyClick(WidgetOf(*window->field), Qt::Key_Tab);
    EXPECT_TRUE(WidgetOf(*window->last)->hasFocus());
}

TEST_F(QtToolkitTest, TheCloseBoxOnTheLastWindowEndsTheRunAndReleasesItSafely)
{
    QPointer<QWidget> edit = WidgetOf(*window->field);
    // Only the open-window list holds the window now: closing it releases it
    // inside the widget's own close event.
    window = nullptr;
    widget->close();
    ASSERT_FALSE(widget.isNull()) << "deleted inside its own event";
    EXPECT_TRUE(widget->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(widget.isNull());
    EXPECT_TRUE(edit.isNull());

    // The quit came before the loop: the run ends at once, and a message box
    // afterwards still waits for its OK.
    EXPECT_TRUE(EndsByItself(fw::RuntimeRun));
    EXPECT_EQ(AnswerMessageBox([] { fw::MsgBox("Ciao"); }), "Ciao [OK]");
}
