#include "ProgramFixture.h"

#include "framework/Exceptions.h"

namespace {

// The menu tree, an item a line, indented by depth: name, text, shortcut
// ("never" when none was set), whether it enables itself, and its class.
std::string Tree(const fw::MenuItem& menu, const std::string& indent = "")
{
    std::string out;
    for (std::int32_t i = 0; i < menu.Count(); ++i) {
        const fw::MenuItem& item = *menu.Item(i);
        out += indent + std::string(item.Name()) + " '" + std::string(item.Text()) + "' " +
               (item.HasKeyboardShortcut() ? "'" + std::string(item.KeyboardShortcut()) + "'" : "never") +
               (item.AutoEnable() ? " auto " : " manual ") + std::string(item.Class().Name()) + "\n" +
               Tree(item, indent + "  ");
    }
    return out;
}

const char* const kWholeTree = "FileMenu 'File' '' auto MenuItem\n"
                               "  FileQuit 'Esci' 'Cmd+Q' auto QuitMenuItem\n"
                               "EditMenu 'Modifica' '' auto MenuItem\n"
                               "  EditUndo 'Annulla' 'Cmd+Z' auto MenuItem\n"
                               "  UntitledMenu1 '-' never auto MenuItem\n"
                               "  EditCut 'Taglia' 'Cmd+X' auto MenuItem\n"
                               "  EditCopy 'Copia' 'Cmd+C' auto MenuItem\n"
                               "  EditPaste 'Incolla' 'Cmd+V' auto MenuItem\n"
                               "  EditClear 'Elimina' '' auto MenuItem\n"
                               "  UntitledMenu0 '-' never auto MenuItem\n"
                               "  EditSelectAll 'Seleziona tutto' 'Cmd+A' auto MenuItem\n";

} // namespace

TEST_F(ProgramTest, TheMenuBarIsBuiltOnceAndAFailedBuildLeavesNoInstance)
{
    Begin();
    for (const char* menu : {"FileMenu", "EditMenu"}) {
        SCOPED_TRACE(menu);
        const std::size_t live = fw::Object::LiveCount();
        fw::seam::Arm("MenuItem.Child", menu, menu == std::string_view("EditMenu") ? 3 : 0);
        EXPECT_THROW(MenuBar1::Instance(), fw::NilObjectException);
        fw::seam::Disarm();
        EXPECT_FALSE(MenuBar1::implicitInstance_);
        EXPECT_EQ(fw::Object::LiveCount(), live); // the half-built bar is gone
    }
    // The next use starts over, and builds the bar once.
    const fw::Ref<MenuBar1::MenuBar1> bar = MenuBar1::Instance();
    ASSERT_TRUE(bar);
    EXPECT_EQ(MenuBar1::implicitInstance_, bar);
    EXPECT_EQ(MenuBar1::Instance(), bar);
    EXPECT_EQ(Tree(*bar), kWholeTree); // a second build would have added menus
}
