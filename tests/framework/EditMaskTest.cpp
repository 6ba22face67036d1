#include "FrameworkFixture.h"

#include "framework/EditField.h"

using namespace fw;
using headless::Headless;

using EditMaskTest = FrameworkTest;

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
    window->SetMenuBar(SmallMenuBar());
    field->SetText("abc");
    field->SetMask("###"); // a text that no longer fits goes
    EXPECT_EQ(field->Text(), "");

    EXPECT_FALSE(headless::Type(*field, "a"));
    EXPECT_TRUE(headless::Type(*field, "1"));
    EXPECT_TRUE(headless::Type(*field, "23"));
    EXPECT_FALSE(headless::Type(*field, "4"));
    field->SetText("9x");
    EXPECT_EQ(field->Text(), "123");
    Headless().clipboard = "12a";
    headless::Choose(*window, "EditSelectAll");
    headless::Choose(*window, "EditPaste");
    EXPECT_EQ(field->Text(), "123");
    Headless().clipboard = "45";
    headless::Choose(*window, "EditPaste"); // replaces the selection
    EXPECT_EQ(field->Text(), "45");
    field->SetEnabled(false);
    EXPECT_FALSE(headless::Type(*field, "6"));
    EXPECT_EQ(field->Text(), "45");
}
