// The real program on Qt, started as main starts it and driven as a user
// drives it: what its window shows, clicks on its buttons, keys into its
// answer field, its menus, and the summary message box.
#include "QtTestSupport.h"

#include "app/Startup.h"
#include "framework/Object.h"
#include "framework/Runtime.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <span>

// Readable texts in failure messages.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

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
        // The script starts once the window is up.
        QTimer::singleShot(0, [this, &script] {
            FindWidgets();
            if (!HasFatalFailure())
                script();
            if (HasFatalFailure())
                fw::RuntimeQuit();
        });
        const bool ended = EndsByItself(Main_, 15000);
        finalize();
        const int status = fw::RuntimeExit();
        EXPECT_TRUE(ended) << "the run did not end by itself";
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

    // Chooses the window's menu item with that text.
    void Choose(const char* text)
    {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == QLatin1String(text))
                return action->trigger();
        ADD_FAILURE() << "no menu item " << text;
    }

    static void Click(QPushButton* button)
    {
        ASSERT_TRUE(button->isVisible()) << button->text().toStdString() << " is hidden";
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static int Factor(const QLabel* label)
    {
        bool number = false;
        const int factor = label->text().toInt(&number);
        EXPECT_TRUE(number && factor >= 1 && factor <= 10) << "factor " << label->text().toStdString();
        return factor;
    }

    // The buttons on show, and whether the answer field takes input.
    QString Offered() const
    {
        QStringList shown;
        for (QPushButton* button : {start, check, end})
            if (button->isVisible())
                shown << button->text();
        return shown.join(", ") + (answer->isEnabled() ? ", answer" : "");
    }
    // The counts of right and wrong answers.
    QString Counts() const { return right->text() + " | " + wrong->text(); }

    QWidget* window = nullptr;
    QLineEdit* answer = nullptr;
    QLabel *first = nullptr, *second = nullptr, *right = nullptr, *wrong = nullptr;
    QPushButton *start = nullptr, *check = nullptr, *end = nullptr;
};

QString Count(int count) { return count == 0 ? QString() : QString::number(count); }

TEST_F(QtDrillTest, TheWindowShowsTheDrillAsDrawnAndItsCloseBoxEndsTheRun)
{
    const int status = RunProgram([this] {
        // The drill's 388 by 280 below the menu bar, its orange background,
        // "Errate" in red, and 20-pixel text that fits its label.
        QWidget* content = answer->parentWidget();
        auto* bar = window->findChild<QMenuBar*>();
        ASSERT_TRUE(bar);
        EXPECT_EQ(content->size(), QSize(388, 280));
        EXPECT_EQ(content->y(), bar->height());
        EXPECT_EQ(window->size(), QSize(388, 280 + bar->height()));
        const QImage image = window->grab().toImage();
        EXPECT_EQ(image.pixelColor(5, content->y() + 5), QColor(255, 190, 125));
        EXPECT_EQ(image.pixelColor(380, content->y() + 270), QColor(255, 190, 125));
        const QImage errate = Child<QLabel>("StaticText8")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const std::span pixels(reinterpret_cast<const QRgb*>(errate.constBits()), errate.sizeInBytes() / 4);
        EXPECT_GT(std::ranges::count(pixels, qRgb(255, 0, 0)), 0) << "\"Errate\" is not drawn in red";
        const QLabel* esatte = Child<QLabel>("StaticText5");
        EXPECT_EQ(esatte->font().pixelSize(), 20);
        EXPECT_LE(QFontMetrics(esatte->font()).horizontalAdvance(esatte->text()), esatte->width());

        // The menu bar mirrors the program's menu tree, "Cmd" keys as Ctrl.
        QStringList menus;
        for (QAction* title : bar->actions()) {
            menus << title->text();
            for (QAction* item : title->menu() ? title->menu()->actions() : QList<QAction*>())
                menus << (item->isSeparator() ? "-" : item->text() + " " + item->shortcut().toString());
        }
        EXPECT_EQ(menus, QStringList({"File", "Esci Ctrl+Q", "Modifica", "Annulla Ctrl+Z", "-", "Taglia Ctrl+X",
                                      "Copia Ctrl+C", "Incolla Ctrl+V", "Elimina ", "-", "Seleziona tutto Ctrl+A"}));

        window->close();
    });
    EXPECT_EQ(status, 0);
}

TEST_F(QtDrillTest, TenAnswersAreCountedAndSummedUpAndEsciEndsTheRun)
{
    const int status = RunProgram([this] {
        EXPECT_EQ(first->text() + " x " + second->text(), "0 x 0");
        EXPECT_EQ(Counts(), "X | X");
        EXPECT_EQ(Offered(), "Inizia");

        Click(start);
        EXPECT_EQ(Offered(), "Controlla, Termina, answer");
        EXPECT_TRUE(answer->hasFocus());
        EXPECT_EQ(Counts(), " | ");

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
            EXPECT_EQ(Counts(), Count(rights) + " | " + Count(wrongs));
            EXPECT_EQ(answer->text(), "");
            EXPECT_TRUE(answer->hasFocus());
        }
        ASSERT_EQ(rights, 7);

        EXPECT_EQ(AnswerMessageBox([this] { Click(end); }), "Bene bene ... Esatte 7   Errate 3 [OK]");
        EXPECT_EQ(Offered(), "Inizia");
        EXPECT_EQ(Counts(), "7 | 3");

        // A drill ended before any answer: both counts are blank.
        Click(start);
        EXPECT_EQ(Counts(), " | ");
        EXPECT_EQ(AnswerMessageBox([this] { Click(end); }), "Bene bene ... Esatte    Errate  [OK]");

        Choose("Esci");
    });
    EXPECT_EQ(status, 0);
}

TEST_F(QtDrillTest, TheAnswerFieldTakesThreeDigitsTypedOrPastedAndEachEditCommandActsOnce)
{
    const int status = RunProgram([this] {
        Click(start);
        ASSERT_TRUE(answer->hasFocus());
        QClipboard* clipboard = QGuiApplication::clipboard();
        const auto pasteKey = [this] { QTest::keyClick(answer, Qt::Key_V, Qt::ControlModifier); };

        // The mask "###": digits only, three at most; a paste that does not
        // fit is refused as a whole, from the keyboard and from the menu.
        clipboard->setText("12a");
        pasteKey();
        Choose("Incolla");
        EXPECT_EQ(answer->text(), "");
        QTest::keyClicks(answer, "13");
        clipboard->setText("7a");
        pasteKey();
        Choose("Incolla");
        EXPECT_EQ(answer->text(), "13");
        // A refused key leaves the cursor where it was.
        QTest::keyClick(answer, Qt::Key_Left);
        QTest::keyClicks(answer, "x24");
        EXPECT_EQ(answer->text(), "123");

        // The field's own keys act once, not once more through the menu.
        QTest::keyClick(answer, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(answer, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(answer->text(), "");
        EXPECT_EQ(clipboard->text(), "123");
        QTest::keyClick(answer, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(answer->text(), "123");
        Choose("Seleziona tutto");
        Choose("Elimina");
        EXPECT_EQ(answer->text(), "");
        clipboard->setText("7");
        pasteKey();
        EXPECT_EQ(answer->text(), "7");
        Choose("Incolla");
        EXPECT_EQ(answer->text(), "77");
        Choose("Annulla");
        EXPECT_EQ(answer->text(), "7");

        // Select all, cut and paste back through the "Modifica" menu; the
        // check reads what the field holds after the round trip.
        const QString product = QString::number(Factor(first) * Factor(second));
        Choose("Seleziona tutto");
        QTest::keyClicks(answer, product);
        Choose("Seleziona tutto");
        EXPECT_EQ(answer->selectedText(), product);
        Choose("Taglia");
        EXPECT_EQ(answer->text(), "");
        EXPECT_EQ(clipboard->text(), product);
        Choose("Incolla");
        EXPECT_EQ(answer->text(), product);
        QTest::keyClick(answer, Qt::Key_Tab);
        EXPECT_TRUE(check->hasFocus()) << "Tab leads from the answer to \"Controlla\"";
        Click(check);
        EXPECT_EQ(Counts(), "1 | ");

        ASSERT_TRUE(answer->hasFocus());
        QTest::keyClick(answer, Qt::Key_Q, Qt::ControlModifier);
    });
    EXPECT_EQ(status, 0);
}

} // namespace
