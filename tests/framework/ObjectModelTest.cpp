#include "FrameworkFixture.h"

#include "framework/Delegate.h"
#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/PushButton.h"
#include "framework/Random.h"

using namespace fw;

using ObjectModelTest = FrameworkTest;

namespace {

// Classes that are only described, and looked up by one test only: a base,
// and a subclass that overrides one of its slots and adds two.
const ClassInfo& ShapeClass()
{
    return DescribeOnce([] {
        return ClassDeclaration{.name = "Tests.Shape", .base = &ObjectClass(),
                         .operations = {{"Draw", "", ""}, {"Scale", "Int32", ""}, {"Area", "", "Double"}}};
    });
}
const ClassInfo& SquareClass()
{
    return DescribeOnce([] {
        return ClassDeclaration{.name = "Tests.Square", .base = &ShapeClass(),
                         .operations = {{"Scale", "Int32", ""}, {"Rotate", "", ""}, {"Scale", "Double", ""}}};
    });
}
std::string SlotList(const ClassInfo& info)
{
    std::string slots;
    for (const OperationInfo& op : info.Slots())
        slots += std::string(op.name) + "(" + std::string(op.parameters) + ")@" + std::string(op.implementedBy) + " ";
    return slots;
}

} // namespace

TEST_F(ObjectModelTest, RefsCountEveryOwnerAndAnExceptionReleasesThem)
{
    Ref<Random> a = RuntimeNewObject<Random>();
    {
        Ref<Random> copy = a;
        Ref<Object> up = std::move(copy);
        EXPECT_TRUE(copy.IsNil());
        EXPECT_EQ(a->RefCount(), 2u);
    }
    Ref<Random> b = RuntimeNewObject<Random>();
    b = a; // b's old object goes
    Ref<Random>& alias = b;
    b = alias; // self-assignment keeps it
    EXPECT_EQ(Object::LiveCount(), liveAtStart_ + 1);
    EXPECT_EQ(a->RefCount(), 2u);
    b = std::move(a);
    EXPECT_EQ(b->RefCount(), 1u);
    b = nullptr;
    EXPECT_EQ(Object::LiveCount(), liveAtStart_);

    // An exception releases the references of every routine it passes.
    auto inner = [] {
        Ref<EditField> field = RuntimeNewObject<EditField>();
        RaiseNilObjectException();
    };
    auto outer = [&] {
        Ref<Random> random = RuntimeNewObject<Random>();
        Ref<Delegate> delegate = RuntimeCreateDelegate(Delegate::Invoke, RoutineEntry{}, random, "(  )");
        inner();
    };
    EXPECT_THROW(outer(), NilObjectException);
    EXPECT_EQ(Object::LiveCount(), liveAtStart_);
}

TEST_F(ObjectModelTest, CastsFollowTheBaseChainAndRefuseOtherClasses)
{
    Ref<Object> field = RuntimeNewObject(EditField::Lookup_());
    EXPECT_EQ(&field->Class(), &EditField::Lookup_());
    EXPECT_EQ(RuntimeCheckCast(field, ObjectClass()).get(), field.get());
    Ref<Control> up = RuntimeCheckCast<Control>(field);
    EXPECT_EQ(RuntimeCheckCast<EditField>(up).get(), field.get());
    EXPECT_THROW(RuntimeCheckCast<PushButton>(field), IllegalCastException);
    EXPECT_THROW(RuntimeCheckCast<Window>(up), IllegalCastException);
    EXPECT_TRUE(RuntimeCheckCast<PushButton>(Ref<Object>()).IsNil());
    EXPECT_TRUE(RuntimeNewObject(Window::Lookup_()).IsNil()); // Window itself cannot be made
}

TEST_F(ObjectModelTest, ClassesAreDescribedOnFirstUseWithTheBaseSlotsFirst)
{
    // New unless the test repeats; the base is described with the subclass.
    const std::size_t added = FindClass("Tests.Square") == nullptr ? 2 : 0;
    ObjectClass(); // the root is described before
    const std::size_t before = DescribedClasses().size();
    const ClassInfo& square = SquareClass();
    EXPECT_EQ(&SquareClass(), &square);
    EXPECT_EQ(DescribedClasses().size(), before + added);
    EXPECT_EQ(FindClass("Tests.Square"), &square);

    EXPECT_EQ(SlotList(ShapeClass()), "Draw()@Tests.Shape Scale(Int32)@Tests.Shape Area()@Tests.Shape ");
    EXPECT_EQ(SlotList(square), "Draw()@Tests.Shape Scale(Int32)@Tests.Square Area()@Tests.Shape "
                                "Rotate()@Tests.Square Scale(Double)@Tests.Square ");
}
