#include "ProgramFixture.h"

#include "framework/Exceptions.h"

#include <optional>

namespace {

struct Item {
    const char* name;
    const char* text;
    std::optional<const char*> shortcut; // nullopt: never set
};

const Item kFile[] = {{"FileQuit", "Esci", "Cmd+Q"}};
const Item kEdit[] = {
    {"EditUndo", "Annulla", "Cmd+Z"},   {"UntitledMenu1", "-", std::nullopt},
    {"EditCut", "Taglia", "Cmd+X"},     {"EditCopy", "Copia", "Cmd+C"},
    {"EditPaste", "Incolla", "Cmd+V"},  {"EditClear", "Elimina", ""},
    {"UntitledMenu0", "-", std::nullopt}, {"EditSelectAll", "Seleziona tutto", "Cmd+A"},
};

void ExpectItem(const fw::MenuItem& item, const Item& want)
{
    SCOPED_TRACE(want.name);
    EXPECT_EQ(item.Name(), want.name);
    EXPECT_EQ(item.Text(), want.text);
    EXPECT_TRUE(item.AutoEnable());
    EXPECT_EQ(item.HasKeyboardShortcut(), want.shortcut.has_value());
    if (want.shortcut) {
        EXPECT_EQ(item.KeyboardShortcut(), *want.shortcut);
    }
    EXPECT_EQ(item.Class().Name(), std::string_view(want.name) == "FileQuit" ? "QuitMenuItem" : "MenuItem");
}

template <std::size_t N>
void ExpectMenu(const fw::MenuItem& menu, const Item& title, const Item (&items)[N])
{
    ExpectItem(menu, title);
    ASSERT_EQ(menu.Count(), static_cast<std::int32_t>(N));
    for (std::size_t i = 0; i < N; ++i)
        ExpectItem(*menu.Item(static_cast<std::int32_t>(i)), items[i]);
}

void ExpectWholeBar(const fw::MenuItem& bar)
{
    ASSERT_EQ(bar.Count(), 2);
    ExpectMenu(*bar.Item(0), {"FileMenu", "File", ""}, kFile);
    ExpectMenu(*bar.Item(1), {"EditMenu", "Modifica", ""}, kEdit);
}

} // namespace

TEST_F(ProgramTest, TheMenuBarIsBuiltOnceWithBothMenus)
{
    Begin();
    EXPECT_FALSE(MenuBar1::implicitInstance_);
    const fw::Ref<MenuBar1::MenuBar1> bar = MenuBar1::Instance();
    ASSERT_TRUE(bar);
    EXPECT_EQ(MenuBar1::implicitInstance_, bar);
    EXPECT_EQ(MenuBar1::Instance(), bar);
    ExpectWholeBar(*bar); // a second build would have added titles
    EXPECT_EQ(bar->Lookup_("FileQuit")->Class().Name(), "QuitMenuItem");
}

TEST_F(ProgramTest, AMenuThatCannotBeFoundLeavesNoInstanceAndTheNextUseStartsOver)
{
    Begin();
    for (const char* menu : {"FileMenu", "EditMenu"}) {
        SCOPED_TRACE(menu);
        const std::size_t live = fw::Object::LiveCount();
        fw::seam::Arm("MenuItem.Child", menu, 3 * (menu[0] == 'E'));
        EXPECT_THROW(MenuBar1::Instance(), fw::NilObjectException);
        fw::seam::Disarm();
        EXPECT_FALSE(MenuBar1::implicitInstance_);
        EXPECT_EQ(fw::Object::LiveCount(), live); // the half-built bar is gone
    }
    const fw::Ref<MenuBar1::MenuBar1> bar = MenuBar1::Instance();
    ExpectWholeBar(*bar);
}

TEST_F(ProgramTest, ExitReleasesTheMenuBarAndToleratesNone)
{
    Begin();
    const std::size_t live = fw::Object::LiveCount();
    MenuBar1::Exit_();
    EXPECT_FALSE(MenuBar1::implicitInstance_);
    MenuBar1::Instance();
    EXPECT_GT(fw::Object::LiveCount(), live);
    MenuBar1::Exit_();
    EXPECT_FALSE(MenuBar1::implicitInstance_);
    EXPECT_EQ(fw::Object::LiveCount(), live);
}
