#include "FrameworkFixture.h"
#include "TestWindow.h"

#include "framework/Application.h"
#include "framework/Delegate.h"
#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/MenuItem.h"
#include "framework/PushButton.h"
#include "framework/Random.h"

#include <stdexcept>

using namespace fw;

namespace {

class TestApp : public Application {
public:
    static const ClassInfo& Lookup_()
    {
        return DescribeOnce([] {
            return ClassSpec{.name = "Tests.TestApp", .base = &Application::Lookup_(),
                             .create = []() -> Object* { return new TestApp(); }};
        });
    }
};

Ref<MenuItem> NewItem(const ClassInfo& info, std::string_view name)
{
    Ref<MenuItem> item = RuntimeCheckCast<MenuItem>(RuntimeNewObject(info));
    item->SetName(name);
    item->SetAutoEnable(true);
    return item;
}

using ObjectModelTest = FrameworkTest;

} // namespace

TEST_F(ObjectModelTest, RefCopyMoveAndAssignKeepTheCountRight)
{
    const std::size_t live = Object::LiveCount();
    Ref<Random> a = RuntimeNewObject<Random>();
    EXPECT_EQ(a->RefCount(), 1u);
    {
        Ref<Random> copy = a;
        Ref<Random> moved = std::move(copy);
        EXPECT_TRUE(copy.IsNil());
        Ref<Object> up = moved; // converting copy
        EXPECT_EQ(a->RefCount(), 3u);
    }
    EXPECT_EQ(a->RefCount(), 1u);

    Ref<Random> b = RuntimeNewObject<Random>();
    EXPECT_EQ(Object::LiveCount(), live + 2);
    b = a; // b's old object goes
    EXPECT_EQ(Object::LiveCount(), live + 1);
    EXPECT_EQ(a->RefCount(), 2u);
    Ref<Random>& alias = b;
    b = alias; // self-assignment keeps it
    EXPECT_EQ(a->RefCount(), 2u);
    b = std::move(a);
    EXPECT_TRUE(a.IsNil());
    EXPECT_EQ(b->RefCount(), 1u);
    b = nullptr;
    EXPECT_EQ(Object::LiveCount(), live);
}

TEST_F(ObjectModelTest, AnExceptionReleasesTheReferencesOfEveryRoutineItPasses)
{
    const std::size_t live = Object::LiveCount();
    auto inner = [] {
        Ref<EditField> field = RuntimeNewObject<EditField>();
        Ref<MenuItem> menu = NewItem(MenuItem::Lookup_(), "Menu");
        menu->Append(NewItem(MenuItem::Lookup_(), "Item"));
        RaiseNilObjectException();
    };
    auto outer = [&] {
        Ref<Random> random = RuntimeNewObject<Random>();
        Ref<Delegate> delegate = RuntimeCreateDelegate(Delegate::Invoke, RoutineEntry{}, random, "(  )");
        inner();
    };
    EXPECT_THROW(outer(), NilObjectException);
    EXPECT_EQ(Object::LiveCount(), live);
}

TEST_F(ObjectModelTest, AFullRunLeavesNoObjectBehind)
{
    RuntimeExit(); // count from before the runtime comes up
    const std::size_t live = Object::LiveCount();
    RuntimeInit();
    {
        Ref<MenuBar> bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::Lookup_()));
        Ref<MenuItem> file = NewItem(MenuItem::Lookup_(), "FileMenu");
        bar->Append(file);
        file->Append(NewItem(QuitMenuItem::Lookup_(), "FileQuit"));
        Ref<Application> app = RuntimeCheckCast<Application>(RuntimeNewObject(TestApp::Lookup_()));
        app->SetMenuBar(bar);
        RuntimeRegisterAppObject(app);

        Ref<TestWindow> window = OpenTestWindow([](TestWindow& w) {
            AddNew<EditField>(w, "EditField1");
            Ref<PushButton> button = AddNew<PushButton>(w, "PushButton1");
            Ref<Delegate> handler = RuntimeCreateDelegate(
                Delegate::IM_Invoke, &BoundHandler<TestWindow, &TestWindow::CountAction>, Ref<Object>(&w), "(  )");
            InstallInstanceEventHandler_(button, "Action", handler->Method());
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
