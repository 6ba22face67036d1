#include "FrameworkFixture.h"

#include "framework/Application.h"
#include "framework/Delegate.h"
#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/PushButton.h"
#include "framework/Random.h"
#include "framework/StaticText.h"

using namespace fw;

using ObjectModelTest = FrameworkTest;

namespace {

struct TestApp : Application {
    static const ClassInfo& Lookup_()
    {
        return DescribeOnce([] {
            return ClassSpec{.name = "Tests.TestApp", .base = &Application::Lookup_(),
                             .create = []() -> Object* { return new TestApp(); }};
        });
    }
};

// Classes that are only described: a base, and a subclass that overrides one
// of its slots and adds two.
const ClassInfo& ShapeClass()
{
    return DescribeOnce([] {
        return ClassSpec{.name = "Tests.Shape", .base = &ObjectClass(),
                         .operations = {{"Draw", "", ""}, {"Scale", "Int32", ""}, {"Area", "", "Double"}}};
    });
}
const ClassInfo& SquareClass()
{
    return DescribeOnce([] {
        return ClassSpec{.name = "Tests.Square", .base = &ShapeClass(),
                         .operations = {{"Scale", "Int32", ""}, {"Rotate", "", ""}, {"Scale", "Double", ""}}};
    });
}
// Looked up by one test only, to see the description built on first use.
const ClassInfo& LatecomerClass()
{
    return DescribeOnce([] { return ClassSpec{.name = "Tests.Latecomer", .base = &ObjectClass()}; });
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
        Ref<MenuItem> menu = NewItem("Menu");
        menu->Append(NewItem("Item"));
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

TEST_F(ObjectModelTest, AFullRunLeavesNoObjectBehind)
{
    RuntimeExit(); // count from before the runtime comes up
    const std::size_t live = Object::LiveCount();
    RuntimeInit();
    {
        Ref<MenuBar> bar = SmallMenuBar();
        Ref<Application> app = RuntimeCheckCast<Application>(RuntimeNewObject(TestApp::Lookup_()));
        app->SetMenuBar(bar);
        RuntimeRegisterAppObject(app);
        Ref<TestWindow> window = OpenTestWindow([](TestWindow& w) {
            Ref<PushButton> button = AddNew<PushButton>(w, "PushButton1");
            InstallInstanceEventHandler_(button, "Action", &BoundHandler<TestWindow, &TestWindow::CountAction>);
        });
        window->SetMenuBar(bar);
        headless::PostClick(*RuntimeCheckCast<PushButton>(RuntimeWindowControlByName(window, "PushButton1")));
        headless::PostChoose(*window, "FileQuit");
        RuntimeRun();
        EXPECT_EQ(window->actions, 1);
        EXPECT_TRUE(headless::Headless().QuitByRequest());
    }
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_EQ(Object::LiveCount(), live);
    RuntimeInit();
}

TEST_F(ObjectModelTest, ClassesAreDescribedOnFirstUseAndCastsFollowTheBaseChain)
{
    // Nothing else looks this class up, so it is new unless the test repeats.
    const std::size_t added = FindClass("Tests.Latecomer") == nullptr ? 1 : 0;
    ObjectClass(); // the base is described first
    const std::size_t before = DescribedClasses().size();
    const ClassInfo& first = LatecomerClass();
    EXPECT_EQ(&LatecomerClass(), &first);
    EXPECT_EQ(DescribedClasses().size(), before + added);
    EXPECT_EQ(FindClass("Tests.Latecomer"), &first);
    EXPECT_TRUE(RuntimeNewObject(Window::Lookup_()).IsNil()); // Window itself cannot be made

    Ref<Object> field = RuntimeNewObject(EditField::Lookup_());
    EXPECT_EQ(&field->Class(), &EditField::Lookup_());
    EXPECT_EQ(RuntimeCheckCast(field, ObjectClass()).get(), field.get());
    Ref<Control> up = RuntimeCheckCast<Control>(field);
    EXPECT_EQ(RuntimeCheckCast<EditField>(up).get(), field.get());
    EXPECT_THROW(RuntimeCheckCast<PushButton>(field), IllegalCastException);
    EXPECT_THROW(RuntimeCheckCast<Window>(up), IllegalCastException);
    EXPECT_TRUE(RuntimeCheckCast<PushButton>(Ref<Object>()).IsNil());
}

TEST_F(ObjectModelTest, SlotsAreTheBasesFollowedByOwnAndAnOverrideTakesTheBaseSlot)
{
    EXPECT_EQ(SlotList(ShapeClass()), "Draw()@Tests.Shape Scale(Int32)@Tests.Shape Area()@Tests.Shape ");
    EXPECT_EQ(SlotList(SquareClass()), "Draw()@Tests.Shape Scale(Int32)@Tests.Square Area()@Tests.Shape "
                                       "Rotate()@Tests.Square Scale(Double)@Tests.Square ");
    // The framework's own chain: a button's table starts with RectControl's, which starts with Control's.
    const std::string rect = SlotList(RectControl::Lookup_());
    EXPECT_TRUE(SlotList(PushButton::Lookup_()).starts_with(rect));
    EXPECT_TRUE(rect.starts_with("Close()@Control "));
}

TEST_F(ObjectModelTest, PropertiesAreFoundWithoutRegardToCaseThroughTheBases)
{
    const ClassInfo& field = EditField::Lookup_();
    const struct {
        const ClassInfo* info;
        std::string_view asked, declared;
    } cases[] = {
        {&field, "Multiline", "MultiLine"},
        {&field, "ScrollbarVertical", "ScrollBarVertical"},
        {&field, "ScrollbarHorizontal", "ScrollBarHorizontal"},
        {&StaticText::Lookup_(), "Multiline", "MultiLine"},
        {&Window::Lookup_(), "MacProcID", "MacProcId"},
        {&field, "left", "Left"},                   // RectControl's
        {&field, "TABPANELINDEX", "TabPanelIndex"}, // Control's
    };
    for (const auto& c : cases) {
        const PropertyInfo* property = c.info->FindProperty(c.asked);
        ASSERT_NE(property, nullptr) << c.asked;
        EXPECT_EQ(property->name, c.declared);
    }
    for (std::string_view missing : {"Caption", "Multilin", ""})
        EXPECT_EQ(field.FindProperty(missing), nullptr) << missing;
}
