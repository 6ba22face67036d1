#include "FrameworkFixture.h"
#include "TestWindow.h"

#include "framework/Delegate.h"
#include "framework/EditField.h"
#include "framework/StaticText.h"

using namespace fw;

using FailureSeamTest = FrameworkTest;

namespace {

void Nothing() {}

} // namespace

TEST_F(FailureSeamTest, ArmedObjectCreationFailsOnTheCountedCallForThatClassOnly)
{
    seam::Arm("RuntimeNewObject", "EditField", /*skip=*/1, /*times=*/2);
    EXPECT_TRUE(RuntimeNewObject<EditField>());   // skipped
    EXPECT_TRUE(RuntimeNewObject<StaticText>());  // another class: untouched
    EXPECT_FALSE(RuntimeNewObject<EditField>());  // fails...
    EXPECT_FALSE(RuntimeNewObject<EditField>());  // ...twice
    EXPECT_TRUE(RuntimeNewObject<EditField>());   // then works again

    seam::Arm("RuntimeNewObject", "", 0, 1000);
    seam::Disarm(); // down to one flag, and nothing fails
    EXPECT_FALSE(seam::detail::armed);
    EXPECT_TRUE(RuntimeNewObject<EditField>());
}

TEST_F(FailureSeamTest, ArmedDelegateAndLookupYieldNil)
{
    Ref<TestWindow> window = OpenTestWindow([](TestWindow& w) { AddNew<EditField>(w, "EditField1"); });

    seam::Arm("RuntimeCreateDelegate");
    seam::Arm("RuntimeWindowControlByName", "EditField1");
    EXPECT_TRUE(RuntimeWindowControlByName(window, "Other").IsNil()); // no such control anyway
    EXPECT_TRUE(RuntimeCreateDelegate(Delegate::Invoke, &Nothing, nullptr, "(  )").IsNil());
    EXPECT_TRUE(RuntimeWindowControlByName(window, "EditField1").IsNil());
    // Each trap fired once and is spent.
    EXPECT_TRUE(RuntimeCreateDelegate(Delegate::Invoke, &Nothing, nullptr, "(  )"));
    EXPECT_TRUE(RuntimeWindowControlByName(window, "EditField1"));
}
