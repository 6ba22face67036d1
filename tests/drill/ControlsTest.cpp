#include "DrillFixture.h"

#include "drill/PropertyLists.h"
#include "framework/Exceptions.h"
#include "framework/PropertyList.h"

#include <array>

namespace lists = Prodotina::lists;
using namespace std::string_view_literals;

namespace {

struct Expected {
    const char* name;
    const lists::List& list;
    const fw::ClassInfo& (*controlClass)();
    std::size_t entries, bytes;
    std::int32_t left, top, width, height;
};

// In the order of creation, which is also the tab order.
const Expected kControls[] = {
    {"EditField1", lists::kEditField1, &fw::EditField::Lookup_, 41, 498, 133, 139, 100, 31},
    {"StaticText1", lists::kStaticText1, &fw::StaticText::Lookup_, 28, 339, 79, 44, 100, 36},
    {"StaticText2", lists::kStaticText2, &fw::StaticText::Lookup_, 28, 339, 79, 91, 100, 36},
    {"StaticText3", lists::kStaticText3, &fw::StaticText::Lookup_, 28, 339, 216, 44, 100, 36},
    {"StaticText4", lists::kStaticText4, &fw::StaticText::Lookup_, 28, 339, 209, 91, 100, 36},
    {"PushButton1", lists::kPushButton1, &fw::PushButton::Lookup_, 26, 306, 106, 193, 155, 25},
    {"PushButton2", lists::kPushButton2, &fw::PushButton::Lookup_, 26, 309, 143, 192, 80, 28},
    {"StaticText5", lists::kStaticText5, &fw::StaticText::Lookup_, 28, 344, 37, 14, 74, 36},
    {"StaticText6", lists::kStaticText6, &fw::StaticText::Lookup_, 28, 339, 123, 14, 32, 36},
    {"StaticText7", lists::kStaticText7, &fw::StaticText::Lookup_, 28, 339, 336, 14, 32, 36},
    {"StaticText8", lists::kStaticText8, &fw::StaticText::Lookup_, 28, 344, 250, 14, 74, 36},
    {"PushButton3", lists::kPushButton3, &fw::PushButton::Lookup_, 26, 307, 143, 232, 87, 28},
};

} // namespace

TEST_F(RuntimeTest, EachListHasItsLengthAndEntriesAndReadsToItsEnd)
{
    EXPECT_EQ(lists::kWindow.bytes.size(), 276u);
    EXPECT_EQ(lists::kWindow.entries, 21u);
    // SetProperties_ refuses a list that ends inside a value or has an unknown name.
    EXPECT_NO_THROW(fw::SetProperties_(fw::RuntimeNewObject<Prodotina::Prodotina>(), lists::kWindow.bytes));
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.list.bytes.size(), e.bytes);
        EXPECT_EQ(e.list.entries, e.entries);
        EXPECT_NO_THROW(fw::SetProperties_(fw::RuntimeNewObject(e.controlClass()), e.list.bytes));
    }
    // Bytes that a text reader would misread are written as they are.
    const std::string_view window = lists::kWindow.bytes;
    EXPECT_TRUE(window.starts_with("Placement \0\0\0\0Width "sv));
    EXPECT_TRUE(window.ends_with("MaximizeButton \0MinimizeButton \x01MacProcID \0\0\0\0"sv));
    for (const lists::List* label : {&lists::kStaticText6, &lists::kStaticText7}) // a Width of 32 is the separator byte
        EXPECT_NE(label->bytes.find("Width \0\0\0\x20Height "sv), std::string_view::npos);
    EXPECT_NE(lists::kEditField1.bytes.find("Index \x80\0\0\0Left "sv), std::string_view::npos);
    EXPECT_NE(lists::kEditField1.bytes.find("Text \0\0\0\0Mask \0\0\0\x03###ReadOnly "sv), std::string_view::npos);
    EXPECT_TRUE(lists::kPushButton3.bytes.ends_with("InitialParent \0\0\0\0"sv));
}

TEST_F(DrillTest, StartUpMakesTwelveControlsInPlaceAndLeavesTheWindowBetweenDrills)
{
    const auto& controls = window_->Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Expected& want = kControls[i];
        SCOPED_TRACE(want.name);
        const auto& control = dynamic_cast<const fw::RectControl&>(*controls[i]);
        EXPECT_EQ(control.Name(), want.name);
        EXPECT_EQ(&control.Class(), &want.controlClass());
        EXPECT_EQ(control.Index(), INT32_MIN);
        EXPECT_EQ(control.TabIndex(), static_cast<std::int32_t>(i));
        EXPECT_EQ((std::array{control.Left(), control.Top(), control.Width(), control.Height()}),
                  (std::array{want.left, want.top, want.width, want.height}));
    }
    // A control member is the window's control of the name given.
    EXPECT_EQ(window_->StaticText6("PushButton1").get(), &Find<fw::PushButton>("PushButton1"));
    EXPECT_EQ(Prodotina::Instance(), window_); // the open window, not a new one
    EXPECT_EQ(fw::OpenWindows().size(), 1u);

    // Between drills: only Inizia shows, the field is disabled.
    EXPECT_EQ(State(), "drawn 00 q0 shown 100 field 0 counts 'X' 'X' answer '' messages 0");
    EXPECT_EQ((std::array{window_->Width(), window_->Height()}), (std::array{388, 280}));
    EXPECT_EQ(window_->Title(), "Prodotina");
    EXPECT_TRUE(window_->HasBackColor());
    EXPECT_EQ(window_->BackColor(), (fw::Color{255, 190, 125}));
    EXPECT_FALSE(window_->MaximizeButton());
    EXPECT_EQ(Find<fw::PushButton>("PushButton2").Caption(), "Controlla");
    EXPECT_EQ(Field().Mask(), "###");
    EXPECT_TRUE(Field().ScrollBarVertical()); // written "ScrollbarVertical"; off by default
    std::string labels; // text, alignment and colour (black unless said) of each
    for (int i = 1; i <= 8; ++i) {
        const fw::StaticText& label = Find<fw::StaticText>("StaticText" + std::to_string(i));
        const fw::Color colour = label.TextColor();
        labels += std::string(label.Text()) + " " + std::to_string(label.TextAlign()) +
                  (colour == fw::Color{255, 0, 0} ? " red, " : colour == fw::Color{} ? ", " : " other, ");
    }
    EXPECT_EQ(labels, "0 2, 0 2, X 0, = 0, Esatte 0, X 0, X 0 red, Errate 0 red, ");
}

TEST_F(RuntimeTest, AButtonWithoutADelegateStaysUnboundWhileTheOthersWork)
{
    fw::seam::Arm("RuntimeCreateDelegate", {}, 1); // the second button's
    window_ = Prodotina::Instance();
    fw::seam::Disarm();
    EXPECT_EQ(window_->Controls().size(), 12u);
    EXPECT_EQ(Find<fw::PushButton>("PushButton2").ActionEntry(), nullptr);
    EXPECT_EQ(window_->Title(), "Prodotina"); // Layout ran after CreateControls
    Press("PushButton1");
    const std::string first = Text("StaticText1"), second = Text("StaticText2");
    Press("PushButton2"); // nothing runs
    EXPECT_EQ(State(first, second), "drawn 00 q1 shown 011 field 1 counts '' '' answer '' messages 0");
    Press("PushButton3");
    EXPECT_EQ(Messages().size(), 1u);
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
    EXPECT_EQ(Text("StaticText3"), ""); // its list was never applied
    EXPECT_FALSE(window_->IsOpen());
    EXPECT_FALSE(window_->GetMenuBar()); // Layout never ran
}
