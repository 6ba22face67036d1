// The real program on Qt, started as main starts it and driven as a child
// drives it: clicks on its buttons, keys into its answer field, its menus,
// and the summary message box.
#include "app/Startup.h"
#include "framework/Object.h"
#include "framework/Runtime.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>

// Readable texts in failure messages.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// Notes the text of the next message box and presses its "OK".
struct BoxWatch {
    std::optional<QString> text;
    QStringList buttons;
    bool stop = false;
};

void WatchForBox(const std::shared_ptr<BoxWatch>& watch)
{
    if (watch->stop)
        return;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
        QTimer::singleShot(10, [watch] { WatchForBox(watch); });
        return;
    }
    watch->text = box->text();
    for (QAbstractButton* button : box->buttons())
        watch->buttons << button->text();
    QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
}

class QtDrillTest : public testing::Test {
protected:
    // fw::RuntimeInit, initialize, Main_, finalize, fw::RuntimeExit, as main
    // does; `script` plays inside the event loop and must end it. Returns
    // the exit status.
    int RunProgram(const std::function<void()>& script)
    {
        const std::size_t liveAtStart = fw::Object::LiveCount();
        fw::RuntimeInit();
        initialize();
        bool expired = false;
        {
            // A script that fails to end the run fails instead of hanging.
            QTimer deadline;
            deadline.setSingleShot(true);
            QObject::connect(&deadline, &QTimer::timeout, [&expired] {
                expired = true;
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
                fw::RuntimeQuit();
                // Also when the framework's quit is what fails.
                QCoreApplication::exit(1);
            });
            deadline.start(15000);
            QTimer::singleShot(0, [this, &script] {
                FindWidgets();
                if (!HasFatalFailure())
                    script();
                if (HasFatalFailure())
                    fw::RuntimeQuit();
            });
            Main_();
        }
        finalize();
        const int status = fw::RuntimeExit();
        EXPECT_FALSE(expired) << "the run did not end by itself";
        EXPECT_EQ(fw::Object::LiveCount(), liveAtStart) << "framework objects outlived the run";
        return status;
    }

    void FindWidgets()
    {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->windowTitle() == QLatin1String("Prodotina"))
                window = top;
        ASSERT_TRUE(window) << "no window \"Prodotina\" on show";
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        answer = Child<QLineEdit>("EditField1");
        first = Child<QLabel>("StaticText1");
        second = Child<QLabel>("StaticText2");
        right = Child<QLabel>("StaticText6");
        wrong = Child<QLabel>("StaticText7");
        start = Child<QPushButton>("PushButton1");
        check = Child<QPushButton>("PushButton2");
        end = Child<QPushButton>("PushButton3");
        ASSERT_FALSE(HasFailure());
    }

    template <class Widget>
    Widget* Child(const char* name)
    {
        auto* widget = window->findChild<Widget*>(QLatin1String(name));
        EXPECT_TRUE(widget) << "no widget " << name;
        return widget;
    }

    // The window's menu item with that text.
    QAction* Item(const char* text)
    {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == QLatin1String(text))
                return action;
        ADD_FAILURE() << "no menu item " << text;
        return nullptr;
    }
    void Choose(const char* text)
    {
        if (QAction* action = Item(text))
            action->trigger();
    }

    static void Click(QPushButton* button)
    {
        ASSERT_TRUE(button->isVisible()) << button->text().toStdString() << " is hidden";
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Clicks the button and answers the message box it brings up.
    static std::shared_ptr<BoxWatch> ClickForMessage(QPushButton* button)
    {
        auto watch = std::make_shared<BoxWatch>();
        QTimer::singleShot(10, [watch] { WatchForBox(watch); });
        Click(button);
        watch->stop = true;
        return watch;
    }

    static int Factor(const QLabel* label)
    {
        bool number = false;
        const int factor = label->text().toInt(&number);
        EXPECT_TRUE(number && factor >= 1 && factor <= 10) << "factor " << label->text().toStdString();
        return factor;
    }

    void ExpectBetweenDrills() const
    {
        EXPECT_TRUE(start->isVisible());
        EXPECT_FALSE(check->isVisible());
        EXPECT_FALSE(end->isVisible());
        EXPECT_FALSE(answer->isEnabled());
    }

    QWidget* window = nullptr;
    QLineEdit* answer = nullptr;
    QLabel* first = nullptr;
    QLabel* second = nullptr;
    QLabel* right = nullptr;
    QLabel* wrong = nullptr;
    QPushButton* start = nullptr;
    QPushButton* check = nullptr;
    QPushButton* end = nullptr;
};

QString Count(int count) { return count == 0 ? QString() : QString::number(count); }

TEST_F(QtDrillTest, TenAnswersAreCountedAndSummedUpAndEsciEndsTheRun)
{
    const int status = RunProgram([this] {
        EXPECT_EQ(first->text(), "0");
        EXPECT_EQ(second->text(), "0");
        EXPECT_EQ(right->text(), "X");
        EXPECT_EQ(wrong->text(), "X");
        ExpectBetweenDrills();

        Click(start);
        EXPECT_FALSE(start->isVisible());
        EXPECT_TRUE(check->isVisible());
        EXPECT_TRUE(end->isVisible());
        EXPECT_TRUE(answer->isEnabled());
        EXPECT_TRUE(answer->hasFocus());
        EXPECT_EQ(right->text(), "");
        EXPECT_EQ(wrong->text(), "");

        int rights = 0;
        int wrongs = 0;
        for (int round = 1; round <= 10; ++round) {
            SCOPED_TRACE(round);
            const int product = Factor(first) * Factor(second);
            // Three wrong answers: one too many, nothing at all, one too few.
            QString typed = QString::number(product);
            if (round == 2)
                typed = QString::number(product + 1);
            else if (round == 5)
                typed.clear();
            else if (round == 9)
                typed = QString::number(product - 1);
            QTest::keyClicks(answer, typed);
            ASSERT_EQ(answer->text(), typed);
            Click(check);
            (typed == QString::number(product) ? rights : wrongs) += 1;
            EXPECT_EQ(right->text(), Count(rights));
            EXPECT_EQ(wrong->text(), Count(wrongs));
            EXPECT_EQ(answer->text(), "");
            EXPECT_TRUE(answer->hasFocus());
        }
        ASSERT_EQ(rights, 7);

        const auto summary = ClickForMessage(end);
        ASSERT_TRUE(summary->text) << "no message box";
        EXPECT_EQ(*summary->text, "Bene bene ... Esatte 7   Errate 3");
        EXPECT_EQ(summary->buttons, QStringList{"OK"});
        ExpectBetweenDrills();
        EXPECT_EQ(right->text(), "7");
        EXPECT_EQ(wrong->text(), "3");

        // A drill ended before any answer: both counts are blank.
        Click(start);
        EXPECT_EQ(right->text(), "");
        const auto blank = ClickForMessage(end);
        EXPECT_EQ(blank->text.value_or("no message box"), "Bene bene ... Esatte    Errate ");

        Choose("Esci");
    });
    EXPECT_EQ(status, 0);
}

TEST_F(QtDrillTest, TheAnswerFieldTakesThreeDigitsAndTheEditMenuRoundTripsThem)
{
    const int status = RunProgram([this] {
        Click(start);
        ASSERT_TRUE(answer->hasFocus());

        // The mask "###": digits only, three at most, typed or pasted.
        QTest::keyClicks(answer, "ab");
        EXPECT_EQ(answer->text(), "");
        QTest::keyClicks(answer, "1x2");
        EXPECT_EQ(answer->text(), "12");
        QTest::keyClicks(answer, "34");
        EXPECT_EQ(answer->text(), "123");
        Choose("Seleziona tutto");
        Choose("Elimina");
        EXPECT_EQ(answer->text(), "");
        QGuiApplication::clipboard()->setText("7a");
        Choose("Incolla");
        EXPECT_EQ(answer->text(), "");
        QGuiApplication::clipboard()->setText("1234");
        Choose("Incolla");
        EXPECT_EQ(answer->text(), "");

        // Select all, cut and paste back through the "Modifica" menu; the
        // check reads what the field holds after the round trip.
        const QString product = QString::number(Factor(first) * Factor(second));
        QTest::keyClicks(answer, product);
        Choose("Seleziona tutto");
        EXPECT_EQ(answer->selectedText(), product);
        Choose("Taglia");
        EXPECT_EQ(answer->text(), "");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), product);
        Choose("Incolla");
        EXPECT_EQ(answer->text(), product);
        // A paste that does not fit leaves the field as it is.
        QGuiApplication::clipboard()->setText("7a");
        Choose("Incolla");
        EXPECT_EQ(answer->text(), product);
        Click(check);
        EXPECT_EQ(right->text(), "1");
        EXPECT_EQ(wrong->text(), "");

        QTest::keyClick(answer, Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_EQ(status, 0);
}

} // namespace
