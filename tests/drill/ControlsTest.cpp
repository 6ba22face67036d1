#include "DrillFixture.h"

#include "framework/Exceptions.h"

namespace {

struct Placed {
    const char* name;
    const char* className;
    std::int32_t left, top, width, height;
};

// In the order of creation, which is also the tab order.
const Placed kControls[] = {
    {"EditField1", "EditField", 133, 139, 100, 31},   {"StaticText1", "StaticText", 79, 44, 100, 36},
    {"StaticText2", "StaticText", 79, 91, 100, 36},   {"StaticText3", "StaticText", 216, 44, 100, 36},
    {"StaticText4", "StaticText", 209, 91, 100, 36},  {"PushButton1", "PushButton", 106, 193, 155, 25},
    {"PushButton2", "PushButton", 143, 192, 80, 28},  {"StaticText5", "StaticText", 37, 14, 74, 36},
    {"StaticText6", "StaticText", 123, 14, 32, 36},   {"StaticText7", "StaticText", 336, 14, 32, 36},
    {"StaticText8", "StaticText", 250, 14, 74, 36},   {"PushButton3", "PushButton", 143, 232, 87, 28},
};

} // namespace

TEST_F(DrillTest, TwelveControlsAreMadeInOrderWithTheirPlaceAndTabIndex)
{
    const auto& controls = window_->Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Placed& want = kControls[i];
        SCOPED_TRACE(want.name);
        const auto& control = dynamic_cast<const fw::RectControl&>(*controls[i]);
        EXPECT_EQ(control.Name(), want.name);
        EXPECT_EQ(control.Class().Name(), want.className);
        EXPECT_EQ(control.Index(), INT32_MIN);
        EXPECT_EQ(control.TabIndex(), static_cast<std::int32_t>(i));
        EXPECT_EQ(control.Left(), want.left);
        EXPECT_EQ(control.Top(), want.top);
        EXPECT_EQ(control.Width(), want.width);
        EXPECT_EQ(control.Height(), want.height);
    }
}

TEST_F(DrillTest, EachButtonHasAHandlerOfItsOwnAndControlMembersLookUpByName)
{
    const fw::MethodEntry entries[] = {Find<fw::PushButton>("PushButton1").ActionEntry(),
                                       Find<fw::PushButton>("PushButton2").ActionEntry(),
                                       Find<fw::PushButton>("PushButton3").ActionEntry()};
    for (fw::MethodEntry entry : entries)
        EXPECT_NE(entry, nullptr);
    EXPECT_NE(entries[0], entries[1]);
    EXPECT_NE(entries[1], entries[2]);
    EXPECT_NE(entries[0], entries[2]);

    EXPECT_EQ(window_->StaticText6("StaticText6").get(), &Find<fw::StaticText>("StaticText6"));
    EXPECT_EQ(window_->StaticText6("PushButton1").get(), &Find<fw::PushButton>("PushButton1"));
}

TEST_F(DrillTest, TheImplicitInstanceIsTheOpenWindow)
{
    const std::size_t live = fw::Object::LiveCount();
    EXPECT_EQ(Prodotina::Instance(), window_);
    EXPECT_EQ(fw::Object::LiveCount(), live);
    EXPECT_TRUE(window_->IsOpen());
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

TEST_F(RuntimeTest, AButtonWithoutADelegateStaysUnboundWhileTheOthersWork)
{
    fw::seam::Arm("RuntimeCreateDelegate", {}, 1); // the second button's
    window_ = Prodotina::Instance();
    fw::seam::Disarm();
    EXPECT_EQ(window_->Controls().size(), 12u);
    EXPECT_EQ(Find<fw::PushButton>("PushButton2").ActionEntry(), nullptr);
    EXPECT_NE(Find<fw::PushButton>("PushButton3").ActionEntry(), nullptr);
    EXPECT_EQ(window_->Title(), "Prodotina"); // Layout ran after CreateControls

    Press("PushButton1");
    ASSERT_TRUE(Shown("PushButton2"));
    const std::string first = Text("StaticText1");
    Press("PushButton2"); // nothing runs
    EXPECT_EQ(window_->contatore1, 1);
    EXPECT_EQ(Text("StaticText1"), first);
    EXPECT_EQ(Text("StaticText6"), "");
    EXPECT_EQ(Text("StaticText7"), "");
}

TEST_F(RuntimeTest, AFailureWhileMakingControlsKeepsThoseAlreadyAdded)
{
    window_ = fw::RuntimeNewObject<Prodotina::Prodotina>();
    fw::seam::Arm("RuntimeWindowControlByName", "StaticText3");
    EXPECT_THROW(window_->Constructor(), fw::NilObjectException);

    const auto& controls = window_->Controls();
    ASSERT_EQ(controls.size(), 4u); // the one in hand was added, none after it
    EXPECT_EQ(controls[3]->Name(), "StaticText3");
    EXPECT_EQ(Text("StaticText2"), "0");
    EXPECT_EQ(Find<fw::StaticText>("StaticText2").Left(), 79);
    EXPECT_EQ(Text("StaticText3"), ""); // its list was never applied
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_FALSE(window_->GetMenuBar()); // Layout never ran
}
