// What the user does reaches the model: clicks, typing through the mask,
// pasting, the Edit menu, keyboard shortcuts and the focus.
#include "QtTestWindow.h"

#include "framework/PackedList.h"
#include "framework/PropertyList.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace {
constexpr void NoTabStop(fw::ListWriter& w) { w.Boolean("TabStop", false); }
} // namespace

TEST_F(QtToolkitTest, AClickReachesTheButtonsHandlerOnlyWhileEnabled)
{
    QTest::mouseClick(window->Button(), Qt::LeftButton);
    EXPECT_EQ(window->clicks, 1);
    window->button->SetEnabled(false);
    QTest::mouseClick(window->Button(), Qt::LeftButton);
    EXPECT_EQ(window->clicks, 1);
}

TEST_F(QtToolkitTest, TypingGoesThroughTheMask)
{
    ShowActive();
    QLineEdit* edit = window->Edit();
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_EQ(window->FocusedControl(), window->field.get());

    QTest::keyClicks(edit, "12");
    EXPECT_EQ(window->field->Text(), "12");
    QTest::keyClicks(edit, "a");
    EXPECT_EQ(window->field->Text(), "12");
    QTest::keyClicks(edit, "34");
    EXPECT_EQ(window->field->Text(), "123") << "a fourth digit is refused";
    EXPECT_EQ(edit->text(), "123");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(window->field->Text(), "12");
}

TEST_F(QtToolkitTest, PastedTextMustFitTheMaskAsAWhole)
{
    ShowActive();
    window->field->SetFocus();
    QLineEdit* edit = window->Edit();
    ASSERT_TRUE(edit->hasFocus());
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->setText("12a");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    window->Action("EditPaste")->trigger();
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(window->field->Text(), "");

    // Each way of pasting pastes once.
    clipboard->setText("7");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->field->Text(), "7");
    window->Action("EditPaste")->trigger();
    EXPECT_EQ(window->field->Text(), "77");
}

TEST_F(QtToolkitTest, EditMenuItemsActOnTheFocusedField)
{
    ShowActive();
    window->field->SetFocus();
    QTest::keyClicks(window->Edit(), "123");
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();

    window->Action("EditSelectAll")->trigger();
    EXPECT_EQ(window->Edit()->selectedText(), "123");
    window->Action("EditCut")->trigger();
    EXPECT_EQ(window->field->Text(), "");
    EXPECT_EQ(clipboard->text(), "123");
    window->Action("EditUndo")->trigger();
    EXPECT_EQ(window->field->Text(), "123");
    window->Action("EditSelectAll")->trigger();
    window->Action("EditClear")->trigger();
    EXPECT_EQ(window->field->Text(), "");
    window->Action("EditPaste")->trigger();
    EXPECT_EQ(window->field->Text(), "123");

    // The same keys on the field itself act once, not once more through the menu.
    QTest::keyClick(window->Edit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window->Edit(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(window->Edit(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->field->Text(), "");
    QTest::keyClick(window->Edit(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->field->Text(), "123");

    // With the focus on the button the Edit items leave the field alone.
    window->button->SetFocus();
    window->Action("EditSelectAll")->trigger();
    window->Action("EditCut")->trigger();
    EXPECT_EQ(window->field->Text(), "123");
}

TEST_F(QtToolkitTest, TabFollowsTabIndexAndSkipsWhatIsNoTabStop)
{
    ShowActive();
    window->field->SetFocus();
    QTest::keyClick(window->Edit(), Qt::Key_Tab);
    EXPECT_TRUE(window->Button()->hasFocus());
    EXPECT_EQ(window->FocusedControl(), window->button.get()) << "the model follows the focus";

    window->field->SetFocus();
    fw::SetProperties_(window->button, fw::PackedList<&NoTabStop>::View());
    QTest::keyClick(window->Edit(), Qt::Key_Tab);
    EXPECT_FALSE(window->Button()->hasFocus());
}
