#include "FrameworkFixture.h"

#include "framework/Delegate.h"
#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/StaticText.h"

#include <stdexcept>

using namespace fw;
using headless::Headless;

using RunControlTest = FrameworkTest;

namespace {

int startups = 0;
void CountStartup() { ++startups; }
void FailingStartup() { throw InvalidArgumentException("start-up failed"); }
void Nothing() {}

} // namespace

TEST_F(RunControlTest, ArmedOperationsFailOnTheCountedCallForTheirSubjectOnly)
{
    Ref<TestWindow> window = OpenTestWindow([](TestWindow& w) { AddNew<EditField>(w, "EditField1"); });
    seam::Arm("RuntimeNewObject", "EditField", /*skip=*/1, /*times=*/2);
    seam::Arm("RuntimeCreateDelegate");
    seam::Arm("RuntimeWindowControlByName", "EditField1");
    EXPECT_TRUE(RuntimeNewObject<EditField>());  // skipped
    EXPECT_TRUE(RuntimeNewObject<StaticText>()); // another subject: untouched
    EXPECT_FALSE(RuntimeNewObject<EditField>()); // fails...
    EXPECT_FALSE(RuntimeNewObject<EditField>()); // ...twice
    EXPECT_TRUE(RuntimeNewObject<EditField>());  // then works again
    EXPECT_TRUE(RuntimeWindowControlByName(window, "EditField1").IsNil());
    EXPECT_TRUE(RuntimeWindowControlByName(window, "EditField1")); // spent
    EXPECT_TRUE(RuntimeCreateDelegate(Delegate::Invoke, &Nothing, nullptr, "(  )").IsNil());
    EXPECT_TRUE(RuntimeCreateDelegate(Delegate::Invoke, &Nothing, nullptr, "(  )"));
}

TEST_F(RunControlTest, ExceptionsFromStartUpAndFromAnEventComeBackOnce)
{
    startups = 0;
    RunFrameworkInitialization(&CountStartup);
    RunFrameworkInitialization(nullptr);
    EXPECT_EQ(startups, 1);
    EXPECT_THROW(RunFrameworkInitialization(&FailingStartup), InvalidArgumentException);

    int later = 0;
    Headless().Post([] { throw std::runtime_error("handler failed"); });
    Headless().Post([&] { ++later; });
    try {
        RuntimeRun();
        ADD_FAILURE() << "RuntimeRun returned normally";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "handler failed");
    }
    EXPECT_EQ(later, 0);
    // The next run picks up where the loop stopped and does not throw again.
    EXPECT_NO_THROW(RuntimeRun());
    EXPECT_EQ(later, 1);
    EXPECT_EQ(Headless().Runs(), 2);
}

TEST_F(RunControlTest, ExitStatusIsZeroAfterACleanRunAndNonZeroAfterAReport)
{
    Headless().Post([] { RuntimeQuit(); });
    RuntimeRun();
    EXPECT_TRUE(Headless().QuitByRequest());
    EXPECT_TRUE(Headless().Messages().empty());
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_FALSE(RuntimeIsUp() || Headless().Started());

    RuntimeInit();
    RuntimeUnhandledException(std::make_exception_ptr(NilObjectException("no window")));
    ASSERT_EQ(Headless().Messages().size(), 1u); // shown, and the call came back
    const std::string& text = Headless().Messages()[0];
    EXPECT_NE(text.find("Si \xC3\xA8 verificato un errore"), std::string::npos) << text;
    EXPECT_NE(text.find("NilObjectException: no window"), std::string::npos) << text;
    EXPECT_NE(RuntimeExit(), 0);
    RuntimeInit(); // the next run starts clean
    EXPECT_EQ(RuntimeExit(), 0);
}
