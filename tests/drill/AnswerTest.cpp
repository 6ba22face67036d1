#include "DrillFixture.h"

#include "framework/Exceptions.h"

#include <ostream>

namespace {

class AnswerTest : public DrillTest {
protected:
    // Starts a drill and replaces its question, so the product is known.
    void Ask(const char* first, const char* second)
    {
        if (Shown("PushButton1"))
            Press("PushButton1");
        Find<fw::StaticText>("StaticText1").SetText(first);
        Find<fw::StaticText>("StaticText2").SetText(second);
    }
    void Reply(const char* answer) { ASSERT_TRUE(fw::headless::Type(Find<fw::EditField>("EditField1"), answer)); }
    // An answer the mask would refuse, as a toolkit might still hand it over.
    void Hold(const char* answer)
    {
        fw::EditField& field = Find<fw::EditField>("EditField1");
        field.SetMask("");
        field.SetText(answer);
    }
    const std::vector<std::string>& Messages() { return fw::headless::Headless().Messages(); }
};

} // namespace

TEST_F(AnswerTest, EachAnswerRaisesExactlyOneCountFromBlank)
{
    Ask("7", "8");
    Reply("56");
    Press("PushButton2");
    EXPECT_EQ(Text("StaticText6"), "1"); // Str(Val("") + 1.0)
    EXPECT_EQ(Text("StaticText7"), "");

    Ask("7", "8");
    Reply("54");
    Press("PushButton2");
    EXPECT_EQ(Text("StaticText6"), "1");
    EXPECT_EQ(Text("StaticText7"), "1");

    Ask("10", "10");
    Reply("100");
    Press("PushButton2");
    EXPECT_EQ(Text("StaticText6"), "2");
    EXPECT_EQ(Text("StaticText7"), "1");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AnswerTest, AfterControllaTheFieldIsEmptyFocusedAndANewQuestionIsShown)
{
    Ask("11", "12"); // never drawn, so a new question shows
    Reply("132");
    Press("PushButton2");
    EXPECT_EQ(Text("StaticText6"), "1");
    EXPECT_EQ(Answer(), "");
    EXPECT_TRUE(Find<fw::EditField>("EditField1").HasFocus());
    EXPECT_NE(Text("StaticText1"), "11");
    EXPECT_NE(Text("StaticText2"), "12");
}

TEST_F(AnswerTest, EmptyBlankAndNonNumericAnswersAreSimplyWrong)
{
    int wrong = 0;
    for (const char* answer : {"", "   ", "abc"}) {
        SCOPED_TRACE(answer);
        Ask("3", "4");
        Hold(answer);
        EXPECT_NO_THROW(Press("PushButton2"));
        EXPECT_EQ(Text("StaticText7"), std::to_string(++wrong));
        EXPECT_EQ(Text("StaticText6"), "");
    }
    EXPECT_TRUE(Messages().empty());

    // The check multiplies what the labels show: an empty answer is 0.
    Ask("0", "7");
    Hold("");
    Press("PushButton2");
    EXPECT_EQ(Text("StaticText6"), "1");
}

TEST_F(AnswerTest, TerminaEndsTheDrillAndShowsBothCountsAsTheyStand)
{
    Press("PushButton1");
    Press("PushButton3");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Bene bene ... Esatte    Errate ");

    Ask("2", "3");
    Reply("6");
    Press("PushButton2");
    Ask("2", "3");
    Reply("6");
    Press("PushButton2");
    Ask("2", "3");
    Reply("5");
    Press("PushButton2");
    Reply("42"); // typed, never checked
    Press("PushButton3");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1], "Bene bene ... Esatte 2   Errate 1");

    EXPECT_TRUE(Shown("PushButton1"));
    EXPECT_FALSE(Shown("PushButton2"));
    EXPECT_FALSE(Shown("PushButton3"));
    EXPECT_FALSE(Find<fw::EditField>("EditField1").Enabled());
    EXPECT_EQ(Answer(), "42");
    EXPECT_EQ(Text("StaticText6"), "2");
    Press("PushButton3"); // hidden: nothing happens
    EXPECT_EQ(Messages().size(), 2u);

    Press("PushButton1");
    EXPECT_EQ(Answer(), "42");
    EXPECT_EQ(Text("StaticText6"), "");
    EXPECT_EQ(Text("StaticText7"), "");
}

// What "Controlla" has done when a step fails.
struct CheckState {
    bool firstRedrawn, secondRedrawn;
    int questions;
    std::string right, wrong, answer;
    friend bool operator==(const CheckState&, const CheckState&) = default;
    friend std::ostream& operator<<(std::ostream& out, const CheckState& s)
    {
        return out << s.firstRedrawn << s.secondRedrawn << " q" << s.questions << " counts '" << s.right << "' '"
                   << s.wrong << "' answer '" << s.answer << "'";
    }
};

struct CheckStep {
    const char* operation;
    const char* subject;
    int skip;
    CheckState after;
};

void PrintTo(const CheckStep& step, std::ostream* out) { *out << step.subject << "#" << step.skip; }

class ControllaFailure : public AnswerTest, public ::testing::WithParamInterface<CheckStep> {};

TEST_P(ControllaFailure, RaisesAtTheFailingStepWithTheStepsBeforeItDone)
{
    Ask("11", "12");
    Reply("132");
    const CheckStep& step = GetParam();
    fw::seam::Arm(step.operation, step.subject, step.skip);
    EXPECT_THROW(Press("PushButton2"), fw::NilObjectException);
    const CheckState now{Text("StaticText1") != "11", Text("StaticText2") != "12", window_->contatore1,
                         Text("StaticText6"), Text("StaticText7"), Answer()};
    EXPECT_EQ(now, step.after);
}

constexpr const char* kLookup = "RuntimeWindowControlByName";

INSTANTIATE_TEST_SUITE_P(EachStep, ControllaFailure,
                         ::testing::Values(CheckStep{kLookup, "EditField1", 0, {false, false, 1, "", "", "132"}},
                                           CheckStep{kLookup, "StaticText1", 0, {false, false, 1, "", "", "132"}},
                                           CheckStep{kLookup, "StaticText2", 0, {false, false, 1, "", "", "132"}},
                                           CheckStep{kLookup, "StaticText6", 0, {false, false, 1, "", "", "132"}},
                                           CheckStep{kLookup, "StaticText6", 1, {false, false, 1, "", "", "132"}},
                                           CheckStep{"RuntimeNewObject", "Random", 0, {false, false, 1, "1", "", "132"}},
                                           CheckStep{kLookup, "StaticText1", 1, {false, false, 1, "1", "", "132"}},
                                           CheckStep{kLookup, "StaticText2", 1, {true, false, 1, "1", "", "132"}},
                                           CheckStep{kLookup, "EditField1", 1, {true, true, 2, "1", "", "132"}},
                                           CheckStep{kLookup, "EditField1", 2, {true, true, 2, "1", "", "132"}}));

// What "Termina" has done when a step fails.
struct EndState {
    bool inizia, controlla, termina, fieldEnabled;
    std::size_t messages;
    friend bool operator==(const EndState&, const EndState&) = default;
    friend std::ostream& operator<<(std::ostream& out, const EndState& s)
    {
        return out << "buttons " << s.inizia << s.controlla << s.termina << " field " << s.fieldEnabled << " messages "
                   << s.messages;
    }
};

struct EndStep {
    const char* subject;
    EndState after;
};

void PrintTo(const EndStep& step, std::ostream* out) { *out << step.subject; }

class TerminaFailure : public AnswerTest, public ::testing::WithParamInterface<EndStep> {};

TEST_P(TerminaFailure, RaisesAtTheFailingLookupWithTheStepsBeforeItDone)
{
    Press("PushButton1");
    fw::seam::Arm(kLookup, GetParam().subject);
    EXPECT_THROW(Press("PushButton3"), fw::NilObjectException);
    const EndState now{Shown("PushButton1"), Shown("PushButton2"), Shown("PushButton3"),
                       Find<fw::EditField>("EditField1").Enabled(), Messages().size()};
    EXPECT_EQ(now, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(EachStep, TerminaFailure,
                         ::testing::Values(EndStep{"PushButton2", {false, true, true, true, 0}},
                                           EndStep{"PushButton1", {false, false, true, true, 0}},
                                           EndStep{"PushButton3", {true, false, true, true, 0}},
                                           EndStep{"EditField1", {true, false, false, true, 0}},
                                           EndStep{"StaticText6", {true, false, false, false, 0}},
                                           EndStep{"StaticText7", {true, false, false, false, 0}}));
