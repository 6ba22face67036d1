#include "DrillFixture.h"

#include "framework/Exceptions.h"

#include <array>
#include <ostream>

namespace {

int Factor(const std::string& text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return text.empty() ? -1 : value;
}

} // namespace

TEST_F(DrillTest, IniziaPosesAQuestionAndOpensTheDrill)
{
    Press("PushButton1");
    for (const char* label : {"StaticText1", "StaticText2"}) {
        const int factor = Factor(Text(label));
        EXPECT_GE(factor, 1) << label;
        EXPECT_LE(factor, 10) << label;
    }
    EXPECT_EQ(Text("StaticText6"), "");
    EXPECT_EQ(Text("StaticText7"), "");
    EXPECT_FALSE(Shown("PushButton1"));
    EXPECT_TRUE(Shown("PushButton2"));
    EXPECT_TRUE(Shown("PushButton3"));
    fw::EditField& field = Find<fw::EditField>("EditField1");
    EXPECT_TRUE(field.Enabled());
    EXPECT_EQ(field.Text(), "");
    EXPECT_TRUE(field.HasFocus());
    EXPECT_EQ(window_->contatore1, 1);
    EXPECT_EQ(window_->valore1 + window_->contatore2 + window_->valore2, 0);
}

TEST_F(DrillTest, EveryQuestionDrawnIsCountedAcrossDrills)
{
    Press("PushButton1");
    for (int i = 0; i < 3; ++i)
        Press("PushButton2");
    EXPECT_EQ(window_->contatore1, 4);
    Press("PushButton3");
    EXPECT_EQ(window_->contatore1, 4);
    Press("PushButton1");
    Press("PushButton2");
    EXPECT_EQ(window_->contatore1, 6);
}

TEST_F(DrillTest, FactorsSpreadEvenlyOverOneToTen)
{
    constexpr int kQuestions = 100000;
    std::array<std::array<int, 11>, 2> seen{};
    int sameAsBefore = 0, equalFactors = 0;
    std::pair<int, int> previous{0, 0};
    for (int i = 0; i < kQuestions; ++i) {
        window_->calcola();
        const std::pair<int, int> question{Factor(Text("StaticText1")), Factor(Text("StaticText2"))};
        for (int side = 0; side < 2; ++side) {
            const int factor = side == 0 ? question.first : question.second;
            ASSERT_GE(factor, 1);
            ASSERT_LE(factor, 10);
            ++seen[side][factor];
        }
        sameAsBefore += question == previous;
        equalFactors += question.first == question.second;
        previous = question;
    }
    for (int side = 0; side < 2; ++side)
        for (int factor = 1; factor <= 10; ++factor)
            EXPECT_NEAR(seen[side][factor], kQuestions / 10, kQuestions / 100) << side << ":" << factor;
    EXPECT_LT(sameAsBefore, kQuestions / 50);  // about 1 in 100 by chance
    EXPECT_LT(equalFactors, kQuestions / 5);   // about 1 in 10 by chance
    EXPECT_EQ(window_->contatore1, kQuestions);
}

// What "Inizia" has done when a step fails.
struct IniziaState {
    bool firstDrawn, secondDrawn;
    int questions;
    bool inizia, controlla, termina, fieldEnabled;
    std::string right, wrong;
    friend bool operator==(const IniziaState&, const IniziaState&) = default;
    friend std::ostream& operator<<(std::ostream& out, const IniziaState& s)
    {
        return out << s.firstDrawn << s.secondDrawn << " q" << s.questions << " buttons " << s.inizia << s.controlla
                   << s.termina << " field " << s.fieldEnabled << " counts '" << s.right << "' '" << s.wrong << "'";
    }
};

struct FailingStep {
    const char* operation;
    const char* subject;
    int skip;
    IniziaState after;
};

void PrintTo(const FailingStep& step, std::ostream* out) { *out << step.subject << "#" << step.skip; }

class IniziaFailure : public DrillTest, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(IniziaFailure, RaisesAtTheFailingStepWithTheStepsBeforeItDone)
{
    const FailingStep& step = GetParam();
    fw::seam::Arm(step.operation, step.subject, step.skip);
    EXPECT_THROW(Press("PushButton1"), fw::NilObjectException);
    const IniziaState now{Text("StaticText1") != "0", Text("StaticText2") != "0", window_->contatore1,
                          Shown("PushButton1"), Shown("PushButton2"), Shown("PushButton3"),
                          Find<fw::EditField>("EditField1").Enabled(), Text("StaticText6"), Text("StaticText7")};
    EXPECT_EQ(now, step.after);
}

constexpr const char* kLookup = "RuntimeWindowControlByName";

INSTANTIATE_TEST_SUITE_P(
    EachStep, IniziaFailure,
    ::testing::Values(FailingStep{"RuntimeNewObject", "Random", 0, {false, false, 0, true, false, false, false, "X", "X"}},
                      FailingStep{kLookup, "StaticText1", 0, {false, false, 0, true, false, false, false, "X", "X"}},
                      FailingStep{kLookup, "StaticText2", 0, {true, false, 0, true, false, false, false, "X", "X"}},
                      FailingStep{kLookup, "EditField1", 0, {true, true, 1, true, false, false, false, "X", "X"}},
                      FailingStep{kLookup, "PushButton2", 0, {true, true, 1, true, false, false, false, "X", "X"}},
                      FailingStep{kLookup, "PushButton1", 0, {true, true, 1, true, true, false, false, "X", "X"}},
                      FailingStep{kLookup, "PushButton3", 0, {true, true, 1, false, true, false, false, "X", "X"}},
                      FailingStep{kLookup, "EditField1", 1, {true, true, 1, false, true, true, false, "X", "X"}},
                      FailingStep{kLookup, "EditField1", 2, {true, true, 1, false, true, true, true, "X", "X"}},
                      FailingStep{kLookup, "StaticText6", 0, {true, true, 1, false, true, true, true, "X", "X"}},
                      FailingStep{kLookup, "StaticText7", 0, {true, true, 1, false, true, true, true, "", "X"}}));
