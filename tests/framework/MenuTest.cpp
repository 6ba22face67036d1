#include "FrameworkFixture.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"

using namespace fw;
using headless::Headless;

using MenuTest = FrameworkTest;

TEST_F(MenuTest, ItemsAreFoundByPositionByChildNameAndAtAnyDepth)
{
    Ref<MenuBar> bar = SmallMenuBar();
    ASSERT_EQ(bar->Count(), 2);
    Ref<MenuItem> edit = bar->Item(1);
    EXPECT_EQ(edit->Name(), "EditMenu");
    EXPECT_EQ(edit->Item(4)->Name(), "EditSelectAll"); // appended last, stays last
    EXPECT_TRUE(bar->Item(2).IsNil());
    EXPECT_TRUE(bar->Item(-1).IsNil());
    EXPECT_EQ(bar->Child("EditMenu"), edit);
    EXPECT_TRUE(bar->Child("EditCut").IsNil()); // not a direct child
    EXPECT_EQ(bar->Lookup_("EditCut"), edit->Item(2));
    EXPECT_EQ(bar->Lookup_("FileQuit")->Parent(), bar->Item(0).get());
    EXPECT_TRUE(edit->Lookup_("EditMenu").IsNil()); // not the item itself
    EXPECT_TRUE(bar->Lookup_("Nothing").IsNil());
    EXPECT_TRUE(edit->Item(1)->IsSeparator());
    EXPECT_FALSE(edit->Item(0)->IsSeparator());
    EXPECT_NO_THROW(RuntimeCheckCast<QuitMenuItem>(bar->Lookup_("FileQuit")));
    EXPECT_THROW(RuntimeCheckCast<QuitMenuItem>(bar->Lookup_("EditCut")), IllegalCastException);

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
    Ref<MenuItem> a = NewItem("A"), b = NewItem("B"), c = NewItem("C");
    a->Append(b);
    b->Append(c);
    EXPECT_THROW(a->Append(a), InvalidArgumentException);
    EXPECT_THROW(c->Append(a), InvalidArgumentException);
    EXPECT_THROW(c->Append(b), InvalidArgumentException);
    EXPECT_THROW(a->Append(nullptr), NilObjectException);
    EXPECT_EQ(a->Count() + c->Count(), 1);
    a->Append(c); // leaves b for a
    EXPECT_EQ(b->Count(), 0);
    EXPECT_EQ(a->Count(), 2);
    EXPECT_EQ(c->Parent(), a.get());
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

TEST_F(MenuTest, EditItemsActOnTheFocusedField)
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
}
