#include "FrameworkFixture.h"
#include "TestWindow.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/MenuItem.h"
#include "toolkit/headless/HeadlessPeers.h"

using namespace fw;
using headless::Headless;

using MenuTest = FrameworkTest;

namespace {

Ref<MenuItem> Item(std::string_view name, std::string_view text = {}, const ClassInfo& info = MenuItem::Lookup_())
{
    Ref<MenuItem> item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(info));
    item->Constructor();
    item->SetName(name);
    item->SetText(text);
    item->SetAutoEnable(true);
    return item;
}

// File: Quit; Edit: Undo, -, Cut, Paste, SelectAll.
Ref<MenuBar> SmallMenuBar()
{
    Ref<MenuBar> bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::Lookup_()));
    Ref<MenuItem> file = Item("FileMenu", "&File");
    file->Append(Item("FileQuit", "Esci", QuitMenuItem::Lookup_()));
    Ref<MenuItem> edit = Item("EditMenu", "&Modifica");
    for (std::string_view name : {"EditUndo", "EditSeparator", "EditCut", "EditPaste", "EditSelectAll"})
        edit->Append(Item(name, name == "EditSeparator" ? "-" : name));
    bar->Append(file);
    bar->Append(edit);
    return bar;
}

} // namespace

TEST_F(MenuTest, ItemsAreFoundByPositionByChildNameAndAtAnyDepthAndKeepTheirShortcut)
{
    Ref<MenuBar> bar = SmallMenuBar();
    ASSERT_EQ(bar->Count(), 2);
    Ref<MenuItem> edit = bar->Item(1);
    EXPECT_EQ(edit->Name(), "EditMenu");
    EXPECT_EQ(edit->Count(), 5);
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
    EXPECT_EQ(cut->KeyboardShortcut(), "");
    EXPECT_FALSE(paste->HasKeyboardShortcut());
    paste->SetKeyboardShortcut("Ctrl+V");
    EXPECT_EQ(paste->KeyboardShortcut(), "Ctrl+V");
}

TEST_F(MenuTest, AppendMovesAnItemAndRefusesCycles)
{
    Ref<MenuItem> a = Item("A"), b = Item("B"), c = Item("C");
    a->Append(b);
    b->Append(c);
    EXPECT_THROW(a->Append(a), InvalidArgumentException);
    EXPECT_THROW(c->Append(a), InvalidArgumentException);
    EXPECT_THROW(c->Append(b), InvalidArgumentException);
    EXPECT_THROW(a->Append(nullptr), NilObjectException);
    EXPECT_EQ(a->Count(), 1);
    EXPECT_EQ(c->Count(), 0);

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
    quit->SetAutoEnable(false);
    headless::PostChoose(*window, "FileQuit");
    Headless().Post([&] { ++after; });
    RuntimeRun();
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(Headless().QuitByRequest());

    quit->SetAutoEnable(true);
    headless::PostChoose(*window, "FileQuit");
    Headless().Post([&] { ++after; });
    RuntimeRun();
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(Headless().QuitByRequest());
    EXPECT_TRUE(window->IsOpen()); // quitting closes nothing by itself
}

TEST_F(MenuTest, EditItemsActOnTheFocusedField)
{
    Ref<EditField> field;
    Ref<TestWindow> window = OpenTestWindow([&](TestWindow& w) { field = AddNew<EditField>(w, "EditField1"); });
    window->SetMenuBar(SmallMenuBar());
    auto* peer = dynamic_cast<headless::HeadlessControlPeer*>(field->Peer());
    ASSERT_NE(peer, nullptr);

    Headless().clipboard = "99";
    headless::Choose(*window, "EditPaste"); // nothing focused yet
    EXPECT_EQ(field->Text(), "");

    ASSERT_TRUE(headless::Type(*field, "12"));
    headless::Choose(*window, "EditSelectAll");
    EXPECT_TRUE(peer->AllSelected());
    headless::Choose(*window, "EditCut");
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(Headless().clipboard, "12");
    headless::Choose(*window, "EditPaste");
    headless::Choose(*window, "EditPaste");
    EXPECT_EQ(field->Text(), "1212");
    headless::Choose(*window, "EditUndo");
    EXPECT_EQ(field->Text(), "12");
    headless::Choose(*window, "EditSeparator"); // does nothing
    EXPECT_EQ(field->Text(), "12");
}
