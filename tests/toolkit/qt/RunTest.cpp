// The event loop and the framework's run control: quitting, the message box,
// exceptions from handlers, closing windows and giving their widgets back.
#include "QtTestWindow.h"

#include "framework/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

// Ends a run that the test failed to end, so that a fault fails the test
// instead of hanging it.
class Deadline {
public:
    Deadline()
    {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            expired_ = true;
            fw::RuntimeQuit();
        });
        timer_.start(5000);
    }
    bool Expired() const { return expired_; }

private:
    QTimer timer_;
    bool expired_ = false;
};

// Dismisses the message box once it is up, noting its text and its button.
struct BoxDismisser {
    QString text;
    QStringList buttons;

    void Arm()
    {
        QTimer::singleShot(10, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                Arm(); // not up yet
                return;
            }
            text = box->text();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
        });
    }
};

} // namespace

TEST_F(QtToolkitTest, CtrlQInTheFieldEndsTheRun)
{
    ShowActive();
    window->field->SetFocus();
    Deadline deadline;
    QTimer::singleShot(0, [this] { QTest::keyClick(window->Edit(), Qt::Key_Q, Qt::ControlModifier); });
    fw::RuntimeRun();
    EXPECT_FALSE(deadline.Expired()) << "Ctrl+Q did not quit";
}

TEST_F(QtToolkitTest, TheMessageBoxShowsItsTextAndWaitsForOk)
{
    BoxDismisser dismisser;
    dismisser.Arm();
    fw::MsgBox("Bravo!\nHai finito.");
    EXPECT_EQ(dismisser.text, "Bravo!\nHai finito.");
    EXPECT_EQ(dismisser.buttons, QStringList{"OK"});
}

TEST_F(QtToolkitTest, AnExceptionFromAHandlerEndsTheRunAndComesOutOfIt)
{
    window->throwOnClick = true;
    Deadline deadline;
    QTimer::singleShot(0, [this] { QTest::mouseClick(window->Button(), Qt::LeftButton); });
    EXPECT_THROW(fw::RuntimeRun(), std::runtime_error);
    EXPECT_FALSE(deadline.Expired());
    EXPECT_EQ(window->clicks, 1);

    // The report that follows still waits for the user.
    BoxDismisser dismisser;
    dismisser.Arm();
    fw::RuntimeUnhandledException(std::make_exception_ptr(std::runtime_error("boom")));
    EXPECT_TRUE(dismisser.text.contains("boom"));
}

TEST_F(QtToolkitTest, TheCloseBoxClosesTheLastWindowAndEndsTheRun)
{
    QPointer<QWidget> widget = window->Widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    widget->close();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_TRUE(widget->isHidden());
    ASSERT_FALSE(widget.isNull()) << "Qt must not delete the window's widget";

    // The quit came before the loop: the run ends at once, and a message box
    // afterwards still waits.
    Deadline deadline;
    fw::RuntimeRun();
    EXPECT_FALSE(deadline.Expired());
    BoxDismisser dismisser;
    dismisser.Arm();
    fw::MsgBox("Ciao");
    EXPECT_EQ(dismisser.text, "Ciao");
}

TEST_F(QtToolkitTest, AWindowThatGoesInsideItsOwnEventTakesItsWidgetsWithIt)
{
    QPointer<QWidget> widget = window->Widget();
    QPointer<QWidget> edit = window->Edit();
    // Only the open-window list holds the window now: closing it from its
    // close box releases it inside the widget's own close event.
    window = nullptr;
    widget->close();
    ASSERT_FALSE(widget.isNull()) << "deleted inside its own event";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(widget.isNull());
    EXPECT_TRUE(edit.isNull());
}
