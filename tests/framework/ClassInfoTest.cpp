#include "FrameworkFixture.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

#include <algorithm>

using namespace fw;

using ClassInfoTest = FrameworkTest;

namespace {

// Two classes that are only described: a base and a subclass that overrides
// one slot, adds two and hides the base's property.
struct Shape : Object {
    void SetSize(std::int32_t) {}
    static const ClassInfo& Lookup_()
    {
        return DescribeOnce([] {
            return ClassSpec{.name = "Tests.Shape", .base = &ObjectClass(),
                             .operations = {{"Draw", "", ""}, {"Scale", "Int32", ""}, {"Area", "", "Double"}},
                             .properties = {Property<&Shape::SetSize>("Size")}};
        });
    }
};
struct Square : Shape {
    void SetSide(std::int32_t) {}
    static const ClassInfo& Lookup_()
    {
        return DescribeOnce([] {
            return ClassSpec{.name = "Tests.Square", .base = &Shape::Lookup_(),
                             .operations = {{"Scale", "Int32", ""}, {"Rotate", "", ""}, {"Scale", "Double", ""}},
                             .properties = {Property<&Square::SetSide>("SIZE")}};
        });
    }
};
// Looked up by one test only, to see the description built on first use.
struct Latecomer : Object {
    static const ClassInfo& Lookup_()
    {
        return DescribeOnce([] { return ClassSpec{.name = "Tests.Latecomer", .base = &ObjectClass()}; });
    }
};

std::vector<std::string> SlotList(const ClassInfo& info)
{
    std::vector<std::string> slots;
    for (const OperationInfo& op : info.Slots())
        slots.push_back(std::string(op.name) + "(" + std::string(op.parameters) + ")@" +
                        std::string(op.implementedBy));
    return slots;
}

} // namespace

TEST_F(ClassInfoTest, CastsFollowTheBaseChainAndRefuseOtherClasses)
{
    Ref<Object> field = RuntimeNewObject(EditField::Lookup_());
    EXPECT_EQ(RuntimeCheckCast<EditField>(field).get(), field.get());
    EXPECT_EQ(RuntimeCheckCast<RectControl>(field).get(), field.get());
    EXPECT_EQ(RuntimeCheckCast<Control>(field).get(), field.get());
    EXPECT_EQ(RuntimeCheckCast(field, ObjectClass()).get(), field.get());
    // Up to a base and back down.
    Ref<Control> up = RuntimeCheckCast<Control>(field);
    EXPECT_EQ(RuntimeCheckCast<EditField>(up).get(), field.get());

    EXPECT_THROW(RuntimeCheckCast<PushButton>(field), IllegalCastException);
    EXPECT_THROW(RuntimeCheckCast<Window>(up), IllegalCastException);
    EXPECT_TRUE(RuntimeCheckCast<PushButton>(Ref<Object>()).IsNil());
}

TEST_F(ClassInfoTest, SlotsAreTheBasesFollowedByOwnAndAnOverrideTakesTheBaseSlot)
{
    EXPECT_EQ(SlotList(Shape::Lookup_()),
              (std::vector<std::string>{"Draw()@Tests.Shape", "Scale(Int32)@Tests.Shape", "Area()@Tests.Shape"}));
    EXPECT_EQ(SlotList(Square::Lookup_()),
              (std::vector<std::string>{"Draw()@Tests.Shape", "Scale(Int32)@Tests.Square", "Area()@Tests.Shape",
                                        "Rotate()@Tests.Square", "Scale(Double)@Tests.Square"}));

    // The framework's own chain: a button's table starts with RectControl's.
    const auto& rect = RectControl::Lookup_().Slots();
    const auto& button = PushButton::Lookup_().Slots();
    ASSERT_GT(button.size(), rect.size());
    for (std::size_t i = 0; i < rect.size(); ++i)
        EXPECT_EQ(button[i].name, rect[i].name) << "slot " << i;
    EXPECT_EQ(rect.front().name, "Close"); // Control's
}

TEST_F(ClassInfoTest, PropertiesAreFoundWithoutRegardToCaseThroughTheBases)
{
    const ClassInfo& field = EditField::Lookup_();
    struct Case {
        const ClassInfo* info;
        std::string_view asked, declared;
    } cases[] = {
        {&field, "Multiline", "MultiLine"},
        {&field, "ScrollbarVertical", "ScrollBarVertical"},
        {&field, "ScrollbarHorizontal", "ScrollBarHorizontal"},
        {&StaticText::Lookup_(), "Multiline", "MultiLine"},
        {&Window::Lookup_(), "MacProcID", "MacProcId"},
        {&field, "left", "Left"},        // RectControl's
        {&field, "TABPANELINDEX", "TabPanelIndex"}, // Control's
        {&field, "InitialParent", "InitialParent"},
    };
    for (const Case& c : cases) {
        const PropertyInfo* property = c.info->FindProperty(c.asked);
        ASSERT_NE(property, nullptr) << c.asked;
        EXPECT_EQ(property->name, c.declared);
    }
    EXPECT_EQ(field.FindProperty("Caption"), nullptr);
    EXPECT_EQ(field.FindProperty("Multilin"), nullptr);
    EXPECT_EQ(field.FindProperty(""), nullptr);

    // An own property hides the base's of the same name.
    const PropertyInfo* size = Square::Lookup_().FindProperty("size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->name, "SIZE");
}

TEST_F(ClassInfoTest, ADescriptionIsBuiltOnFirstUseAndThenReused)
{
    // Nothing else looks this class up, so it is new unless the test repeats.
    const bool fresh = FindClass("Tests.Latecomer") == nullptr;
    ObjectClass(); // the base is described first
    const std::size_t before = DescribedClasses().size();
    const ClassInfo& first = Latecomer::Lookup_();
    EXPECT_EQ(DescribedClasses().size(), before + (fresh ? 1 : 0));
    EXPECT_EQ(&Latecomer::Lookup_(), &first);
    EXPECT_EQ(DescribedClasses().size(), before + (fresh ? 1 : 0));
    EXPECT_EQ(FindClass("Tests.Latecomer"), &first);

    EXPECT_EQ(FindClass("EditField"), &EditField::Lookup_());
    EXPECT_EQ(&RuntimeNewObject<EditField>()->Class(), &EditField::Lookup_());
    EXPECT_TRUE(RuntimeNewObject(Window::Lookup_()).IsNil()); // Window itself cannot be made
}
