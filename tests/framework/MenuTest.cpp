#include "FrameworkFixture.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"

using namespace fw;
using headless::Headless;

using MenuTest = FrameworkTest;

TEST_F(MenuTest, ItemsAreFoundByPositionByChildNameAndAtAnyDepth)
{
    Ref<MenuBar> bar = SmallMenuBar();
    Ref<MenuItem> edit = bar->Item(1);
    EXPECT_EQ(edit->Item(4)->Name(), "EditSelectAll"); // appended last, stays last
    EXPECT_TRUE(bar->Item(2).IsNil());
    EXPECT_EQ(bar->Child("EditMenu"), edit);
    EXPECT_TRUE(bar->Child("EditCut").IsNil()); // not a direct child
    EXPECT_EQ(bar->Lookup_("EditCut"), edit->Item(2));
    EXPECT_EQ(bar->Lookup_("FileQuit")->Parent(), bar->Item(0).get());
    EXPECT_TRUE(edit->Lookup_("EditMenu").IsNil()); // not the item itself
    EXPECT_TRUE(bar->Lookup_("Nothing").IsNil());
    EXPECT_TRUE(edit->Item(1)->IsSeparator());

    // A shortcut set to the empty text differs from one never set.
    Ref<MenuItem> cut = bar->Lookup_("EditCut"), paste = bar->Lookup_("EditPaste");
    cut->SetKeyboardShortcut("");
    EXPECT_TRUE(cut->HasKeyboardShortcut());
    EXPECT_FALSE(paste->HasKeyboardShortcut());
    paste->SetKeyboardShortcut("Ctrl+V");
    EXPECT_EQ(paste->KeyboardShortcut(), "Ctrl+V");
}

TEST_F(MenuTest, AppendMovesAnItemAndRefusesCycles)
{
    Ref<MenuBar> bar = SmallMenuBar();
    Ref<MenuItem> file = bar->Item(0), edit = bar->Item(1), cut = bar->Lookup_("EditCut");
    EXPECT_THROW(edit->Append(edit), InvalidArgumentException);
    EXPECT_THROW(cut->Append(edit), InvalidArgumentException);
    EXPECT_THROW(cut->Append(bar), InvalidArgumentException);
    EXPECT_THROW(edit->Append(nullptr), NilObjectException);
    EXPECT_EQ(edit->Count() + cut->Count(), 5);
    file->Append(cut); // leaves the Edit menu
    EXPECT_EQ(cut->Parent(), file.get());
    EXPECT_EQ(edit->Count(), 4);
}

TEST_F(MenuTest, ChoosingQuitEndsTheLoopButNotWhenDisabled)
{
    Ref<TestWindow> window = OpenTestWindow();
    window->SetMenuBar(SmallMenuBar());
    Ref<MenuItem> quit = window->GetMenuBar()->Lookup_("FileQuit");
    int after = 0;
    for (bool enabled : {false, true}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        quit->SetAutoEnable(enabled);
        headless::PostChoose(*window, "FileQuit");
        Headless().Post([&] { ++after; });
        RuntimeRun();
        EXPECT_EQ(after, 1);
        EXPECT_EQ(Headless().QuitByRequest(), enabled);
    }
    EXPECT_TRUE(window->IsOpen()); // quitting closes nothing by itself
}

TEST_F(MenuTest, EditItemsActOnTheFocusedFieldWithinItsMask)
{
    Ref<EditField> field;
    Ref<TestWindow> window = OpenTestWindow([&](TestWindow& w) { field = AddNew<EditField>(w, "EditField1"); });
    window->SetMenuBar(SmallMenuBar());
    Headless().clipboard = "99";
    headless::Choose(*window, "EditPaste"); // nothing focused yet
    EXPECT_EQ(field->Text(), "");
    ASSERT_TRUE(headless::Type(*field, "12"));
    headless::Choose(*window, "EditSelectAll");
    EXPECT_TRUE(PeerOf(*field).AllSelected());
    headless::Choose(*window, "EditCut");
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(Headless().clipboard, "12");
    headless::Choose(*window, "EditPaste");
    headless::Choose(*window, "EditPaste");
    EXPECT_EQ(field->Text(), "1212");
    headless::Choose(*window, "EditUndo");
    headless::Choose(*window, "EditSeparator"); // does nothing
    EXPECT_EQ(field->Text(), "12");

    // A mask refuses what does not fit, however it arrives.
    field->SetText("abc");
    field->SetMask("###"); // a text that no longer fits goes
    EXPECT_EQ(field->Text(), "");
    for (std::string_view bad : {"a", "1234", "-1", " 1", "1.5", "\xD9\xA1"}) // the last an Arabic-Indic one
        EXPECT_FALSE(headless::Type(*field, bad)) << '"' << bad << '"';
    EXPECT_TRUE(headless::Type(*field, "0"));
    EXPECT_TRUE(headless::Type(*field, "23"));
    EXPECT_FALSE(headless::Type(*field, "4")); // a fourth digit
    field->SetText("9x");
    EXPECT_EQ(field->Text(), "023");
    Headless().clipboard = "12a";
    headless::Choose(*window, "EditSelectAll");
    headless::Choose(*window, "EditPaste");
    EXPECT_EQ(field->Text(), "023");
    Headless().clipboard = "45";
    headless::Choose(*window, "EditPaste"); // replaces the selection
    EXPECT_EQ(field->Text(), "45");
    field->SetEnabled(false);
    EXPECT_FALSE(headless::Type(*field, "6"));
    EXPECT_EQ(field->Text(), "45");
}
