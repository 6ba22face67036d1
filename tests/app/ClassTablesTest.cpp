#include "ProgramFixture.h"

#include "app/App.h"

namespace {

// A class's slots on one line: name@implementer, each followed by a blank.
std::string Slots(const fw::ClassInfo& info)
{
    std::string line;
    for (const fw::OperationInfo& op : info.Slots())
        line += std::string(op.name) + "@" + std::string(op.implementedBy) + " ";
    return line;
}

} // namespace

TEST(AppClass, IsAnApplicationWithNothingOfItsOwn)
{
    const fw::ClassInfo& info = App::Lookup_();
    EXPECT_EQ(info.Name(), "App");
    EXPECT_EQ(info.Base(), &fw::Application::Lookup_());
    EXPECT_EQ(Slots(info), Slots(fw::Application::Lookup_())); // every slot inherited
    EXPECT_EQ(info.Slots().size(), 17u);
    EXPECT_TRUE(info.Members().empty() && info.OwnProperties().empty());
    EXPECT_TRUE(info.HandledEvents().empty()); // no UnhandledException handler either
    const fw::Ref<fw::Object> app = fw::RuntimeNewObject(info);
    EXPECT_NE(dynamic_cast<App*>(app.get()), nullptr);
}

TEST(MenuBarClass, SlotsFollowTheMenuItemsWithItsConstructorInPlace)
{
    const fw::ClassInfo& info = MenuBar1::MenuBar1::Lookup_();
    EXPECT_EQ(info.Name(), "MenuBar1.MenuBar1");
    EXPECT_EQ(info.Base(), &fw::MenuBar::Lookup_());
    EXPECT_EQ(Slots(info),
              "Enable@MenuItem Close@MenuItem Item@MenuItem Count@MenuItem Child@MenuItem Append@MenuItem "
              "Insert@MenuItem Remove@MenuItem Remove@MenuItem Remove@MenuItem _Lookup@MenuItem _Lookup@MenuItem "
              "MenuItem@MenuItem Constructor@MenuItem PopUp@MenuItem PopUp@MenuItem _Swap@MenuItem "
              "_DisableEntirely@MenuItem _SelfEnable@MenuItem MenuItem@MenuItem Constructor@MenuBar1.MenuBar1 "
              "_InstallClone@MenuBar __DependencyList@MenuBar Untitled0@MenuBar1.MenuBar1 "
              "Untitled1@MenuBar1.MenuBar1 ");
    EXPECT_EQ(info.Slots()[13].parameters, "String, Variant"); // the overload the override leaves alone
    EXPECT_EQ(info.Slots()[20].parameters, "");
    EXPECT_TRUE(info.OwnProperties().empty());
}
