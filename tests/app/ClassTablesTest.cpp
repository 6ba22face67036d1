#include "ProgramFixture.h"

#include "app/App.h"

#include <vector>

namespace {

struct Slot {
    std::string_view name;
    std::string_view implementedBy;
};

std::vector<Slot> Slots(const fw::ClassInfo& info)
{
    std::vector<Slot> slots;
    for (const fw::OperationInfo& op : info.Slots())
        slots.push_back({op.name, op.implementedBy});
    return slots;
}

bool operator==(const Slot& a, const Slot& b) { return a.name == b.name && a.implementedBy == b.implementedBy; }

void PrintTo(const Slot& slot, std::ostream* out) { *out << slot.name << " of " << slot.implementedBy; }

} // namespace

TEST_F(ProgramTest, InitializeDescribesEveryClassBeforeTheRun)
{
    Begin();
    for (const char* name : {"Object", "Application", "Window", "Control", "RectControl", "EditField", "StaticText",
                             "PushButton", "MenuItem", "MenuBar", "QuitMenuItem", "Random", "Delegate", "App",
                             "Prodotina.Prodotina", "MenuBar1.MenuBar1"})
        EXPECT_NE(fw::FindClass(name), nullptr) << name;
}

TEST(AppClass, IsAnApplicationWithNothingOfItsOwn)
{
    const fw::ClassInfo& info = App::Lookup_();
    EXPECT_EQ(info.Name(), "App");
    EXPECT_EQ(info.Base(), &fw::Application::Lookup_());
    const std::string_view inherited = "Application";
    const std::vector<Slot> expected = {
        {"NewDocument", inherited},        {"OpenDocument", inherited},       {"DoEvents", inherited},
        {"_AddMenuHandler", inherited},    {"_AddPollableObject", inherited}, {"_RemovePollableObject", inherited},
        {"AddTrayItem", inherited},        {"RemoveTrayItem", inherited},     {"YieldToNextThread", inherited},
        {"SleepCurrentThread", inherited}, {"_DoSingleEvent", inherited},     {"_EnableMenuItems", inherited},
        {"_CallOpen", inherited},          {"_HandleMenuCommand", inherited}, {"_LoadPictureFromBundle", inherited},
        {"_LoadBundleSound", inherited},   {"__DependencyList", inherited}};
    EXPECT_EQ(Slots(info), expected);
    EXPECT_TRUE(info.Members().empty());
    EXPECT_TRUE(info.OwnProperties().empty());
    EXPECT_TRUE(info.HandledEvents().empty()); // no UnhandledException handler either
    const fw::Ref<fw::Object> app = fw::RuntimeNewObject(info);
    EXPECT_EQ(&app->Class(), &info);
    EXPECT_NE(dynamic_cast<fw::Application*>(app.get()), nullptr);
}

TEST(MenuBarClass, SlotsFollowTheMenuItemsWithItsConstructorInPlace)
{
    const fw::ClassInfo& info = MenuBar1::MenuBar1::Lookup_();
    EXPECT_EQ(info.Name(), "MenuBar1.MenuBar1");
    EXPECT_EQ(info.Base(), &fw::MenuBar::Lookup_());
    const std::string_view item = "MenuItem", bar = "MenuBar", own = "MenuBar1.MenuBar1";
    const std::vector<Slot> expected = {
        {"Enable", item},    {"Close", item},        {"Item", item},        {"Count", item},
        {"Child", item},     {"Append", item},       {"Insert", item},      {"Remove", item},
        {"Remove", item},    {"Remove", item},       {"_Lookup", item},     {"_Lookup", item},
        {"MenuItem", item},  {"Constructor", item},  {"PopUp", item},       {"PopUp", item},
        {"_Swap", item},     {"_DisableEntirely", item}, {"_SelfEnable", item}, {"MenuItem", item},
        {"Constructor", own}, {"_InstallClone", bar}, {"__DependencyList", bar}, {"Untitled0", own},
        {"Untitled1", own}};
    EXPECT_EQ(Slots(info), expected);
    EXPECT_EQ(info.Slots()[13].parameters, "String, Variant");
    EXPECT_EQ(info.Slots()[20].parameters, "");
    EXPECT_TRUE(info.OwnProperties().empty());
}
