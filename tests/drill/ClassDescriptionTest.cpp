#include "DrillFixture.h"

#include <vector>

namespace {

std::vector<std::string_view> Names(const std::vector<fw::OperationInfo>& slots)
{
    std::vector<std::string_view> names;
    for (const fw::OperationInfo& slot : slots)
        names.push_back(slot.name);
    return names;
}

const std::vector<std::string_view> kWindowSlots = {
    "Show", "ShowWithin", "ShowModalWithin", "Hide", "Close", "Refresh", "RefreshRect", "ShowModal",
    "NewDragItem", "AcceptTextDrop", "AcceptPictureDrop", "AcceptFileDrop", "AcceptMacDataDrop",
    "AcceptRawDataDrop", "Control", "SetFocus", "DrawInto", "_DrawBackground", "UpdateNow", "_AddControl",
    "_AddMenuHandler", "Window", "Operator_Convert", "__New", "_Move", "Maximize", "Minimize", "Restore",
    "_Update", "_CallMoved", "_EnableMenuItems", "_CallActivated", "_CallDeactivated", "_HandleMenuCommand",
    "_UnifiedClose", "_CallMouseDown", "_CallResized", "_CallResizing", "_RemoveControl", "_MouseEnter",
    "_MouseExit", "_MouseMove", "_Paint", "_MouseWheel", "_KeyDown", "__DependencyList", "Constructor",
    "TrueWindow"};

const std::vector<std::string_view> kOwnSlots = {
    "Layout", "CreateControls", "_CreateControls0", "PushButton1_Action", "PushButton2_Action",
    "PushButton3_Action", "EditMenu", "EditSelectAll", "UntitledMenu0", "EditClear", "EditPaste", "EditCopy",
    "EditCut", "UntitledMenu1", "EditUndo", "FileMenu", "FileQuit", "calcola"};

} // namespace

TEST(DrillWindowClass, SlotsAreTheWindowsThenItsOwnEighteen)
{
    const fw::ClassInfo& info = Prodotina::Prodotina::Lookup_();
    EXPECT_EQ(info.Name(), "Prodotina.Prodotina");
    EXPECT_EQ(info.Base(), &fw::Window::Lookup_());
    EXPECT_EQ(info.Attributes(), (std::vector<fw::Attribute>{{"__Scope", "Public"}}));

    std::vector<std::string_view> expected = kWindowSlots;
    expected.insert(expected.end(), kOwnSlots.begin(), kOwnSlots.end());
    ASSERT_EQ(Names(info.Slots()), expected);
    for (std::size_t i = 0; i < info.Slots().size(); ++i) {
        const fw::OperationInfo& slot = info.Slots()[i];
        EXPECT_EQ(slot.implementedBy, i < kWindowSlots.size() ? "Window" : "Prodotina.Prodotina") << slot.name;
        if (i >= kWindowSlots.size()) {
            EXPECT_EQ(slot.parameters, "") << slot.name;
        }
    }
    EXPECT_EQ(info.Slots()[kWindowSlots.size() + 16].result, "QuitMenuItem");
    EXPECT_EQ(info.Slots()[kWindowSlots.size() + 6].result, "MenuItem");
    EXPECT_EQ(info.HandledEvents(), (std::vector<std::string_view>{"Layout", "CreateControls"}));
}

TEST(DrillWindowClass, ThirtyPublicMembersAndFourIntegerProperties)
{
    const fw::ClassInfo& info = Prodotina::Prodotina::Lookup_();
    const auto& members = info.Members();
    ASSERT_EQ(members.size(), 30u);
    const std::vector<std::string_view> controls = {
        "EditField1",  "StaticText1", "StaticText2", "StaticText3", "StaticText4", "PushButton1",
        "PushButton2", "StaticText5", "StaticText6", "StaticText7", "StaticText8", "PushButton3"};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const fw::MemberInfo& member = members[3 + i];
        EXPECT_EQ(member.name, controls[i]);
        EXPECT_EQ(member.parameters, "String");
        EXPECT_TRUE(controls[i].starts_with(member.result)) << member.name << " returns " << member.result;
    }
    std::vector<std::string_view> methods;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const fw::MemberInfo& member = members[i];
        const bool hidden = member.name == "_CreateControls0";
        std::vector<fw::Attribute> attributes = {{"__Scope", "Public"}};
        if (hidden)
            attributes.push_back({"Hidden", ""});
        EXPECT_EQ(member.attributes, attributes) << member.name;
        if (i < 3 || i >= 15)
            methods.push_back(member.name);
    }
    EXPECT_EQ(methods[2], "_CreateControls0");
    EXPECT_EQ(std::vector(methods.begin() + 3, methods.end()),
              std::vector(kOwnSlots.begin() + 3, kOwnSlots.end()));

    const char* properties[] = {"valore1", "contatore1", "contatore2", "valore2"};
    ASSERT_EQ(info.OwnProperties().size(), 4u);
    const fw::Ref<fw::Object> fresh = fw::RuntimeNewObject(info);
    for (std::size_t i = 0; i < 4; ++i) {
        const fw::PropertyInfo& property = info.OwnProperties()[i];
        EXPECT_EQ(property.name, properties[i]);
        EXPECT_EQ(property.type, fw::PropertyType::Integer);
        EXPECT_EQ(property.attributes, (std::vector<fw::Attribute>{{"__Scope", "Public"}}));
        EXPECT_EQ(std::get<std::int32_t>(property.get(*fresh)), 0);
    }
}
