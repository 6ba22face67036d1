#include "DrillFixture.h"

namespace {

// One line for a table of slots or members: name(parameters)->result, each
// followed by a blank.
template <class Entry>
std::string Line(const std::vector<Entry>& entries, std::size_t from = 0)
{
    std::string line;
    for (std::size_t i = from; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        line += std::string(e.name) + (e.parameters.empty() ? "" : "(" + std::string(e.parameters) + ")") +
                (e.result.empty() ? "" : "->" + std::string(e.result)) + " ";
    }
    return line;
}

const std::string kHandlersAndMenus =
    "PushButton1_Action PushButton2_Action PushButton3_Action EditMenu->MenuItem EditSelectAll->MenuItem "
    "UntitledMenu0->MenuItem EditClear->MenuItem EditPaste->MenuItem EditCopy->MenuItem EditCut->MenuItem "
    "UntitledMenu1->MenuItem EditUndo->MenuItem FileMenu->MenuItem FileQuit->QuitMenuItem calcola ";

} // namespace

TEST(DrillWindowClass, DescriptionMatchesTheSlotAndMemberTables)
{
    const fw::ClassInfo& info = Prodotina::Prodotina::Lookup_();
    EXPECT_EQ(info.Name(), "Prodotina.Prodotina");
    EXPECT_EQ(info.Base(), &fw::Window::Lookup_());
    EXPECT_EQ(info.Attributes(), (std::vector<fw::Attribute>{{"__Scope", "Public"}}));
    EXPECT_EQ(info.HandledEvents(), (std::vector<std::string_view>{"Layout", "CreateControls"}));

    // The window's 48 slots come first, as Window has them.
    const auto& window = fw::Window::Lookup_().Slots();
    ASSERT_EQ(window.size(), 48u);
    ASSERT_EQ(info.Slots().size(), window.size() + 18);
    for (std::size_t i = 0; i < info.Slots().size(); ++i) {
        const fw::OperationInfo& slot = info.Slots()[i];
        const bool own = i >= window.size();
        EXPECT_EQ(slot.implementedBy, own ? "Prodotina.Prodotina" : "Window") << slot.name;
        EXPECT_TRUE(own || slot.name == window[i].name) << slot.name;
    }
    EXPECT_EQ(Line(info.Slots(), window.size()), "Layout CreateControls _CreateControls0 " + kHandlersAndMenus);

    // Thirty public members and four integer properties.
    EXPECT_EQ(Line(info.Members()),
              "Layout CreateControls _CreateControls0 EditField1(String)->EditField StaticText1(String)->StaticText "
              "StaticText2(String)->StaticText StaticText3(String)->StaticText StaticText4(String)->StaticText "
              "PushButton1(String)->PushButton PushButton2(String)->PushButton StaticText5(String)->StaticText "
              "StaticText6(String)->StaticText StaticText7(String)->StaticText StaticText8(String)->StaticText "
              "PushButton3(String)->PushButton " + kHandlersAndMenus);
    for (const fw::MemberInfo& member : info.Members()) {
        std::vector<fw::Attribute> attributes = {{"__Scope", "Public"}};
        if (member.name == "_CreateControls0")
            attributes.push_back({"Hidden", ""});
        EXPECT_EQ(member.attributes, attributes) << member.name;
    }

    std::string properties;
    const fw::Ref<fw::Object> fresh = fw::RuntimeNewObject(info);
    for (const fw::PropertyInfo& property : info.OwnProperties()) {
        properties += std::string(property.name) + " ";
        EXPECT_EQ(property.type, fw::PropertyType::Integer);
        EXPECT_EQ(property.attributes, (std::vector<fw::Attribute>{{"__Scope", "Public"}}));
        EXPECT_EQ(std::get<std::int32_t>(property.get(*fresh)), 0);
    }
    EXPECT_EQ(properties, "valore1 contatore1 contatore2 valore2 ");
}
