#include "DrillFixture.h"

#include "framework/Exceptions.h"

#include <array>
#include <ostream>

using namespace std::string_literals;

namespace {

int Factor(const std::string& text)
{
    return text.size() == 1 && text[0] >= '1' && text[0] <= '9' ? text[0] - '0' : text == "10" ? 10 : -1;
}

} // namespace

TEST_F(DrillTest, IniziaPosesAQuestionAndOpensTheDrill)
{
    Press("PushButton1");
    EXPECT_EQ(State(), "drawn 11 q1 shown 011 field 1 counts '' '' answer '' messages 0");
    EXPECT_NE(Factor(Text("StaticText1")), -1) << Text("StaticText1");
    EXPECT_NE(Factor(Text("StaticText2")), -1) << Text("StaticText2");
    EXPECT_TRUE(Field().HasFocus());
    EXPECT_EQ(window_->valore1 + window_->contatore2 + window_->valore2, 0);
}

TEST_F(DrillTest, ControllaRaisesExactlyOneCountAndPosesTheNextQuestion)
{
    const struct {
        const char* first;
        const char* answer;
        const char* counts;
    } cases[] = {
        {"11", "132", "'1' ''"},  // right, from a blank count: Str(Val("") + 1) is "1"
        {"11", "131", "'1' '1'"}, // wrong
        {"11", "", "'1' '2'"},    // empty, blank and non-numeric answers are simply wrong
        {"11", "   ", "'1' '3'"},
        {"11", "abc", "'1' '4'"},
        {"0", "", "'2' '4'"}, // the check multiplies what the labels show: empty is 0
    };
    Field().SetMask(""); // to hold answers the mask would refuse, as a toolkit might still hand them over
    int questions = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first + " x 12 = '"s + c.answer + "'");
        Ask(c.first, "12");
        Field().SetText(c.answer);
        EXPECT_NO_THROW(Press("PushButton2"));
        EXPECT_EQ(State(c.first, "12"), "drawn 11 q" + std::to_string(++questions) + " shown 011 field 1 counts " +
                                            c.counts + " answer '' messages 0");
        EXPECT_TRUE(Field().HasFocus());
    }
}

TEST_F(DrillTest, TerminaShowsBothCountsAsTheyStandAndKeepsTheAnswerAndQuestionCount)
{
    Press("PushButton1");
    Press("PushButton3");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Bene bene ... Esatte    Errate "});

    for (const char* answer : {"132", "132", "131"}) {
        Ask("11", "12");
        Reply(answer);
        Press("PushButton2");
    }
    Reply("42"); // typed, never checked
    Press("PushButton3");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], "Bene bene ... Esatte 2   Errate 1");
    EXPECT_EQ(State("11", "12"), "drawn 11 q5 shown 100 field 0 counts '2' '1' answer '42' messages 2");
    Press("PushButton3"); // hidden: nothing happens
    EXPECT_EQ(Messages().size(), 2u);

    Press("PushButton1"); // questions are counted across drills
    EXPECT_EQ(State("11", "12"), "drawn 11 q6 shown 011 field 1 counts '' '' answer '42' messages 2");
}

TEST_F(DrillTest, FactorsSpreadEvenlyOverOneToTen)
{
    constexpr int kQuestions = 100000;
    std::array<std::array<int, 11>, 2> seen{};
    int sameAsBefore = 0, equalFactors = 0;
    std::array<int, 2> question{}, previous{};
    for (int i = 0; i < kQuestions; ++i) {
        window_->calcola();
        question = {Factor(Text("StaticText1")), Factor(Text("StaticText2"))};
        ASSERT_TRUE(question[0] > 0 && question[1] > 0) << Text("StaticText1") << " x " << Text("StaticText2");
        ++seen[0][question[0]];
        ++seen[1][question[1]];
        sameAsBefore += question == previous;
        equalFactors += question[0] == question[1];
        previous = question;
    }
    for (int factor = 1; factor <= 10; ++factor) {
        EXPECT_NEAR(seen[0][factor], kQuestions / 10, kQuestions / 100) << "first factor " << factor;
        EXPECT_NEAR(seen[1][factor], kQuestions / 10, kQuestions / 100) << "second factor " << factor;
    }
    EXPECT_LT(sameAsBefore, kQuestions / 50); // about 1 in 100 by chance
    EXPECT_LT(equalFactors, kQuestions / 5);  // about 1 in 10 by chance
    EXPECT_EQ(window_->contatore1, kQuestions);
}

// A button whose handler meets a nil control (or no generator) partway
// raises, and leaves what the steps before it did.
struct FailingStep {
    const char* button;
    const char* operation;
    const char* subject;
    int skip;
    const char* after;
};

void PrintTo(const FailingStep& step, std::ostream* out)
{
    *out << step.button << ":" << step.subject << "#" << step.skip;
}

class ButtonFailure : public DrillTest, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(ButtonFailure, RaisesAtTheFailingStepWithTheStepsBeforeItDone)
{
    const FailingStep& step = GetParam();
    const std::string_view button = step.button;
    if (button != "PushButton1")
        Ask("11", "12");
    if (button == "PushButton2")
        Reply("132");
    const std::string first = Text("StaticText1"), second = Text("StaticText2");
    fw::seam::Arm(step.operation, step.subject, step.skip);
    EXPECT_THROW(Press(button), fw::NilObjectException);
    EXPECT_EQ(State(first, second), step.after);
}

constexpr const char* kLookup = "RuntimeWindowControlByName";
constexpr const char* kNew = "RuntimeNewObject";

const FailingStep kSteps[] = {
    {"PushButton1", kNew, "Random", 0,         "drawn 00 q0 shown 100 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "StaticText1", 0, "drawn 00 q0 shown 100 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "StaticText2", 0, "drawn 10 q0 shown 100 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "EditField1", 0,  "drawn 11 q1 shown 100 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "PushButton2", 0, "drawn 11 q1 shown 100 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "PushButton1", 0, "drawn 11 q1 shown 110 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "PushButton3", 0, "drawn 11 q1 shown 010 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "EditField1", 1,  "drawn 11 q1 shown 011 field 0 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "EditField1", 2,  "drawn 11 q1 shown 011 field 1 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "StaticText6", 0, "drawn 11 q1 shown 011 field 1 counts 'X' 'X' answer '' messages 0"},
    {"PushButton1", kLookup, "StaticText7", 0, "drawn 11 q1 shown 011 field 1 counts '' 'X' answer '' messages 0"},
    {"PushButton2", kLookup, "EditField1", 0,  "drawn 00 q1 shown 011 field 1 counts '' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "StaticText1", 0, "drawn 00 q1 shown 011 field 1 counts '' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "StaticText2", 0, "drawn 00 q1 shown 011 field 1 counts '' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "StaticText6", 0, "drawn 00 q1 shown 011 field 1 counts '' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "StaticText6", 1, "drawn 00 q1 shown 011 field 1 counts '' '' answer '132' messages 0"},
    {"PushButton2", kNew, "Random", 0,         "drawn 00 q1 shown 011 field 1 counts '1' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "StaticText1", 1, "drawn 00 q1 shown 011 field 1 counts '1' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "StaticText2", 1, "drawn 10 q1 shown 011 field 1 counts '1' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "EditField1", 1,  "drawn 11 q2 shown 011 field 1 counts '1' '' answer '132' messages 0"},
    {"PushButton2", kLookup, "EditField1", 2,  "drawn 11 q2 shown 011 field 1 counts '1' '' answer '132' messages 0"},
    {"PushButton3", kLookup, "PushButton2", 0, "drawn 00 q1 shown 011 field 1 counts '' '' answer '' messages 0"},
    {"PushButton3", kLookup, "PushButton1", 0, "drawn 00 q1 shown 001 field 1 counts '' '' answer '' messages 0"},
    {"PushButton3", kLookup, "PushButton3", 0, "drawn 00 q1 shown 101 field 1 counts '' '' answer '' messages 0"},
    {"PushButton3", kLookup, "EditField1", 0,  "drawn 00 q1 shown 100 field 1 counts '' '' answer '' messages 0"},
    {"PushButton3", kLookup, "StaticText6", 0, "drawn 00 q1 shown 100 field 0 counts '' '' answer '' messages 0"},
    {"PushButton3", kLookup, "StaticText7", 0, "drawn 00 q1 shown 100 field 0 counts '' '' answer '' messages 0"},
};

INSTANTIATE_TEST_SUITE_P(EachStep, ButtonFailure, ::testing::ValuesIn(kSteps));
