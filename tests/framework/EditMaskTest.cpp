#include "FrameworkFixture.h"
#include "TestWindow.h"

#include "framework/EditField.h"
#include "framework/MenuItem.h"
#include "framework/PackedList.h"
#include "framework/PropertyList.h"

using namespace fw;
using headless::Headless;

using EditMaskTest = FrameworkTest;

namespace {

std::string LimitList(std::int32_t limit)
{
    std::string bytes(ListWriter().Integer("LimitText", limit).Size(), '\0');
    ListWriter(bytes.data()).Integer("LimitText", limit);
    return bytes;
}

} // namespace

TEST(FitsMaskTest, HashesTakeUpToThatManyDigitsAndNothingElse)
{
    for (std::string_view ok : {"", "7", "12", "123", "007"})
        EXPECT_TRUE(FitsMask("###", ok)) << '"' << ok << '"';
    for (std::string_view bad : {"1234", "a", "12a", "-1", " 1", "1 ", "1.5", "\xD9\xA1"})
        EXPECT_FALSE(FitsMask("###", bad)) << '"' << bad << '"';
    EXPECT_TRUE(FitsMask("", "anything"));
    EXPECT_TRUE(FitsMask("##-##", "12-3"));
    EXPECT_FALSE(FitsMask("##-##", "123"));
}

TEST_F(EditMaskTest, AMaskedFieldRefusesWhatDoesNotFitHoweverItArrives)
{
    Ref<EditField> field;
    Ref<TestWindow> window = OpenTestWindow([&](TestWindow& w) { field = AddNew<EditField>(w, "EditField1"); });
    Ref<MenuBar> bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::Lookup_()));
    for (std::string_view name : {"EditSelectAll", "EditPaste"}) {
        Ref<MenuItem> item = RuntimeNewObject<MenuItem>();
        item->SetName(name);
        item->SetAutoEnable(true);
        bar->Append(item);
    }
    window->SetMenuBar(bar);
    field->SetText("abc");
    field->SetMask("###"); // a text that no longer fits goes
    EXPECT_EQ(field->Text(), "");

    auto fits = [&] { return FitsMask("###", field->Text()); };
    EXPECT_FALSE(headless::Type(*field, "a"));
    EXPECT_TRUE(headless::Type(*field, "1"));
    EXPECT_TRUE(headless::Type(*field, "23"));
    EXPECT_FALSE(headless::Type(*field, "4"));
    EXPECT_EQ(field->Text(), "123");

    field->SetText("9x");
    EXPECT_EQ(field->Text(), "123");
    Headless().clipboard = "12a";
    headless::Choose(*window, "EditSelectAll");
    headless::Choose(*window, "EditPaste");
    EXPECT_EQ(field->Text(), "123");
    EXPECT_TRUE(fits());
    Headless().clipboard = "45";
    headless::Choose(*window, "EditPaste"); // replaces the selection
    EXPECT_EQ(field->Text(), "45");

    field->SetEnabled(false);
    EXPECT_FALSE(headless::Type(*field, "6"));
    EXPECT_EQ(field->Text(), "45");
}

TEST_F(EditMaskTest, LimitTextCountsCharactersNotBytes)
{
    Ref<EditField> field;
    Ref<TestWindow> window = OpenTestWindow([&](TestWindow& w) { field = AddNew<EditField>(w, "EditField1"); });
    SetProperties_(field, LimitList(2));
    EXPECT_EQ(field->LimitText(), 2);
    EXPECT_TRUE(headless::Type(*field, "\xC3\xA0\xC3\xA8")); // two letters, four bytes
    EXPECT_FALSE(headless::Type(*field, "x"));
    field->SetText("abc");
    EXPECT_EQ(field->Text(), "\xC3\xA0\xC3\xA8");
    SetProperties_(field, LimitList(0)); // no limit
    EXPECT_TRUE(headless::Type(*field, "xyz"));
    EXPECT_EQ(field->Text().size(), 7u);
}
