#include "FrameworkFixture.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/PackedList.h"
#include "framework/PropertyList.h"

#include <array>
#include <climits>

using namespace fw;
using namespace std::string_literals;

using PropertyListTest = FrameworkTest;

namespace {

// The bytes of a property list that `write` puts down.
std::string ListBytes(const std::function<void(ListWriter&)>& write)
{
    ListWriter counter;
    write(counter);
    std::string bytes(counter.Size(), '\0');
    ListWriter writer(bytes.data());
    write(writer);
    return bytes;
}

// One entry written by hand: the name, a blank, the value's bytes.
std::string Entry(std::string_view name, std::string_view value)
{
    return std::string(name) + " " + std::string(value);
}

} // namespace

TEST_F(PropertyListTest, EveryTypeAndEveryAwkwardByteIsTakenAsWrittenAndHeardOnce)
{
    Ref<TestWindow> window = OpenTestWindow();
    Ref<EditField> field = AddNew<EditField>(*window, "EditField1");
    const std::string awkward = "a\0b\x80\xFF \x20z"s;
    const std::string list = ListBytes([&](ListWriter& w) {
        w.Text("Name", "EditField1").Integer("Index", INT32_MIN).Integer("Left", 133);
        w.Integer("Width", 32).Integer("Top", -2); // the first holds the separator byte
        w.Text("Format", "").Text("DataSource", "").Text("HelpTag", awkward); // a name follows an empty text at once
        // Names are matched without regard to case: these set MultiLine, ScrollBarVertical, ScrollBarHorizontal.
        w.Boolean("Multiline", true).Boolean("ScrollbarVertical", true).Boolean("ScrollbarHorizontal", true);
        w.Boolean("Password", false).Colour("BackColor", 255, 190, 125).Text("Mask", "###");
    });
    ASSERT_NE(list.find("Index \x80\0\0\0Left "s), std::string::npos);
    ASSERT_NE(list.find("Width \0\0\0 Top "s), std::string::npos);
    ASSERT_NE(list.find("Format \0\0\0\0DataSource \0\0\0\0HelpTag "s), std::string::npos);

    const int syncs = PeerOf(*field).Syncs();
    SetProperties_(field, list);
    EXPECT_EQ(PeerOf(*field).Syncs(), syncs + 1); // the peer hears of the whole list once
    EXPECT_EQ(field->Name(), "EditField1");
    EXPECT_EQ((std::array{field->Index(), field->Left(), field->Width(), field->Top()}),
              (std::array{INT32_MIN, 133, 32, -2}));
    EXPECT_EQ(field->Format(), "");
    EXPECT_EQ(field->HelpTag(), awkward);
    EXPECT_TRUE(field->MultiLine() && field->ScrollBarVertical() && field->ScrollBarHorizontal());
    EXPECT_FALSE(field->Password());
    EXPECT_EQ(field->BackColor(), (Color{255, 190, 125}));
    EXPECT_EQ(field->Mask(), "###");

    SetProperties_(window, ListBytes([](ListWriter& w) { w.Integer("MacProcID", 7).Text("Title", "Prodotina"); }));
    SetProperties_(window, ""); // an empty list sets nothing
    EXPECT_EQ(window->MacProcId(), 7);
    EXPECT_EQ(window->Title(), "Prodotina");
}

TEST_F(PropertyListTest, AMalformedListIsRefusedWholeNamingTheEntryAndOffset)
{
    Ref<EditField> field = RuntimeNewObject<EditField>();
    SetProperties_(field, Entry("Left", "\0\0\0\x07"s));
    const std::string head = Entry("Left", "\0\0\0\x63"s); // 9 bytes, valid
    const std::string top = Entry("Top", "\0\0\0\x01"s), password = Entry("Password", "\x01"s);
    const struct {
        const char* what;
        std::string list;
        std::string name;
        std::size_t offset;
    } cases[] = {
        {"unknown name", head + Entry("Bogus", "\0\0\0\x01"s), "Bogus", 9},
        {"repeated name", head + top + Entry("left", "\0\0\0\x03"s), "Left", 17},
        {"ends inside a name", head + "Tex", "Tex", 9},
        {"ends inside a value", head + Entry("Top", "\0\0"s), "Top", 13},
        {"ends inside a text length", head + Entry("HelpTag", "\0\0"s), "HelpTag", 17},
        {"boolean byte 02", head + Entry("Password", "\x02"), "Password", 18},
        {"boolean byte 20", head + Entry("Password", " "), "Password", 18},
        {"overlong text", head + Entry("HelpTag", "\0\0\0\x0A" "abc"s), "HelpTag", 17},
        {"text length with the top bit", head + Entry("HelpTag", "\x80\0\0\x01" "abc"s), "HelpTag", 17},
        {"bad entry after a good one", head + password + Entry("Nope", "\0\0\0\0"s), "Nope", 19},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            SetProperties_(field, c.list);
            ADD_FAILURE() << "the list was taken";
        } catch (const PropertyListException& e) {
            const std::string message = e.Message();
            EXPECT_NE(message.find('"' + c.name + '"'), std::string::npos) << message;
            EXPECT_NE(message.find("byte " + std::to_string(c.offset)), std::string::npos) << message;
        }
        EXPECT_EQ(field->Left(), 7); // nothing applied
        EXPECT_FALSE(field->Password());
    }
    EXPECT_THROW(SetProperties_(Ref<Object>(), head), NilObjectException);
}
