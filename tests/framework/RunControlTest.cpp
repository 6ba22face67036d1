#include "FrameworkFixture.h"

#include "framework/Exceptions.h"

#include <stdexcept>

using namespace fw;
using headless::Headless;

using RunControlTest = FrameworkTest;

namespace {

int startups = 0;
void CountStartup() { ++startups; }
void FailingStartup() { throw InvalidArgumentException("start-up failed"); }

} // namespace

TEST_F(RunControlTest, InitializationCallsTheStartupRoutineOnceAndPassesItsExceptionOn)
{
    startups = 0;
    RunFrameworkInitialization(&CountStartup);
    EXPECT_EQ(startups, 1);
    RunFrameworkInitialization(nullptr);
    EXPECT_EQ(startups, 1);
    EXPECT_THROW(RunFrameworkInitialization(&FailingStartup), InvalidArgumentException);
}

TEST_F(RunControlTest, AnExceptionFromAnEventEndsTheLoopAndComesOutOfRunOnce)
{
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
    EXPECT_EQ(Headless().Pending(), 1u);

    // The next run picks up where the loop stopped and does not throw again.
    EXPECT_NO_THROW(RuntimeRun());
    EXPECT_EQ(later, 1);
    EXPECT_EQ(Headless().Runs(), 2);
}

TEST_F(RunControlTest, ExitStatusIsZeroAfterACleanRun)
{
    Headless().Post([] { RuntimeQuit(); });
    RuntimeRun();
    EXPECT_TRUE(Headless().QuitByRequest());
    EXPECT_TRUE(Headless().Messages().empty());
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_FALSE(RuntimeIsUp());
    EXPECT_FALSE(Headless().Started());
}

TEST_F(RunControlTest, AnUnhandledExceptionIsShownInItalianAndMakesTheExitStatusNonZero)
{
    RuntimeUnhandledException(std::make_exception_ptr(NilObjectException("no window")));
    ASSERT_EQ(Headless().Messages().size(), 1u); // shown, and the call came back
    const std::string& text = Headless().Messages()[0];
    EXPECT_NE(text.find("Si \xC3\xA8 verificato un errore"), std::string::npos) << text;
    EXPECT_NE(text.find("NilObjectException: no window"), std::string::npos) << text;
    EXPECT_NE(RuntimeExit(), 0);

    // The next run starts clean.
    RuntimeInit();
    EXPECT_EQ(RuntimeExit(), 0);
}
