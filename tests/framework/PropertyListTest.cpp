#include "FrameworkFixture.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/PropertyList.h"

#include <climits>

using namespace fw;
using namespace std::string_literals;

using PropertyListTest = FrameworkTest;

TEST_F(PropertyListTest, EveryTypeAndEveryAwkwardByteIsTakenAsWrittenAndHeardOnce)
{
    Ref<TestWindow> window = OpenTestWindow();
    Ref<EditField> field = AddNew<EditField>(*window, "EditField1");
    const std::string awkward = "a\0b\x80\xFF \x20z"s;
    const std::string list = ListBytes([&](ListWriter& w) {
        w.Text("Name", "EditField1")
            .Integer("Index", INT32_MIN)
            .Integer("Left", 133)
            .Integer("Width", 32) // holds the separator byte
            .Integer("Top", -2)
            .Text("Format", "") // the next name follows at once
            .Text("DataSource", "")
            .Text("HelpTag", awkward)
            .Boolean("Multiline", true)
            .Boolean("ScrollbarVertical", true)
            .Boolean("ScrollbarHorizontal", true)
            .Boolean("Password", false)
            .Colour("BackColor", 255, 190, 125)
            .Text("Mask", "###");
    });
    ASSERT_NE(list.find("Index \x80\0\0\0Left "s), std::string::npos);
    ASSERT_NE(list.find("Width \0\0\0 Top "s), std::string::npos);
    ASSERT_NE(list.find("Format \0\0\0\0DataSource \0\0\0\0HelpTag "s), std::string::npos);

    const int syncs = PeerOf(*field).Syncs();
    SetProperties_(field, list);
    EXPECT_EQ(PeerOf(*field).Syncs(), syncs + 1); // the peer hears of the whole list once
    EXPECT_EQ(field->Name(), "EditField1");
    EXPECT_EQ(field->Index(), INT32_MIN);
    EXPECT_EQ(field->Left(), 133);
    EXPECT_EQ(field->Width(), 32);
    EXPECT_EQ(field->Top(), -2);
    EXPECT_EQ(field->Format(), "");
    EXPECT_EQ(field->HelpTag(), awkward);
    EXPECT_TRUE(field->MultiLine() && field->ScrollBarVertical() && field->ScrollBarHorizontal());
    EXPECT_FALSE(field->Password());
    EXPECT_EQ(field->BackColor(), (Color{255, 190, 125}));
    EXPECT_EQ(field->Mask(), "###");

    auto& windowPeer = PeerOf<headless::HeadlessWindowPeer>(*window);
    const int windowSyncs = windowPeer.Syncs();
    SetProperties_(window, ListBytes([](ListWriter& w) { w.Integer("MacProcID", 7).Text("Title", "Prodotina"); }));
    EXPECT_EQ(windowPeer.Syncs(), windowSyncs + 1);
    EXPECT_EQ(window->MacProcId(), 7);
    EXPECT_EQ(window->Title(), "Prodotina");
    SetProperties_(window, ""); // an empty list sets nothing
    EXPECT_EQ(window->Title(), "Prodotina");
}

TEST_F(PropertyListTest, AMalformedListIsRefusedWholeNamingTheEntryAndOffset)
{
    Ref<EditField> field = RuntimeNewObject<EditField>();
    auto entry = [](std::string_view name, std::string_view value) { return std::string(name) + ' ' + std::string(value); };
    SetProperties_(field, entry("Left", "\0\0\0\x07"s));
    const std::string head = entry("Left", "\0\0\0\x63"s); // 9 bytes, valid
    const std::string top = entry("Top", "\0\0\0\x01"s), password = entry("Password", "\x01"s);
    const struct {
        const char* what;
        std::string list;
        std::string name;
        std::size_t offset;
    } cases[] = {
        {"unknown name", head + entry("Bogus", "\0\0\0\x01"s), "Bogus", 9},
        {"repeated name", head + top + entry("left", "\0\0\0\x03"s), "Left", 17},
        {"ends inside a name", head + "Tex", "Tex", 9},
        {"ends inside a value", head + entry("Top", "\0\0"s), "Top", 13},
        {"ends inside a text length", head + entry("HelpTag", "\0\0"s), "HelpTag", 17},
        {"boolean byte 02", head + entry("Password", "\x02"), "Password", 18},
        {"boolean byte 20", head + entry("Password", " "), "Password", 18},
        {"overlong text", head + entry("HelpTag", "\0\0\0\x0A" "abc"s), "HelpTag", 17},
        {"text length with the top bit", head + entry("HelpTag", "\x80\0\0\x01" "abc"s), "HelpTag", 17},
        {"bad entry after a good one", head + password + entry("Nope", "\0\0\0\0"s), "Nope", 19},
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
