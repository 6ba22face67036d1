#include "FrameworkFixture.h"
#include "TestWindow.h"

#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/PackedList.h"
#include "framework/PropertyList.h"
#include "framework/StaticText.h"
#include "toolkit/headless/HeadlessPeers.h"

#include <climits>

using namespace fw;

using PropertyListTest = FrameworkTest;

namespace {

// The bytes that the writer puts down.
template <class Write>
std::string Bytes(Write write)
{
    ListWriter counter;
    write(counter);
    std::string bytes(counter.Size(), '\0');
    ListWriter writer(bytes.data());
    write(writer);
    return bytes;
}

std::string Int(std::string_view name, std::int32_t v) { return Bytes([&](ListWriter& w) { w.Integer(name, v); }); }
std::string Bool(std::string_view name, bool v) { return Bytes([&](ListWriter& w) { w.Boolean(name, v); }); }
std::string Text(std::string_view name, std::string_view v) { return Bytes([&](ListWriter& w) { w.Text(name, v); }); }
std::string Raw(std::string_view name, std::string_view value) { return std::string(name) + ' ' + std::string(value); }

using namespace std::string_literals;

} // namespace

TEST_F(PropertyListTest, EveryTypeAndEveryAwkwardByteIsTakenAsWritten)
{
    Ref<TestWindow> window = OpenTestWindow();
    Ref<EditField> field = AddNew<EditField>(*window, "EditField1");
    const std::string awkward = "a\0b\x80\xFF \x20z"s;
    const std::string list = Bytes([&](ListWriter& w) {
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
            .Text("Mask", "###")
            .Text("InitialParent", "");
    });
    ASSERT_NE(list.find("Index \x80\0\0\0Left "s), std::string::npos);
    ASSERT_NE(list.find("Width \0\0\0 Top "s), std::string::npos);
    ASSERT_NE(list.find("Format \0\0\0\0DataSource \0\0\0\0HelpTag "s), std::string::npos);

    SetProperties_(field, list);
    EXPECT_EQ(field->Name(), "EditField1");
    EXPECT_EQ(field->Index(), INT32_MIN);
    EXPECT_EQ(field->Left(), 133);
    EXPECT_EQ(field->Width(), 32);
    EXPECT_EQ(field->Top(), -2);
    EXPECT_EQ(field->Format(), "");
    EXPECT_EQ(field->HelpTag(), awkward);
    EXPECT_TRUE(field->MultiLine());
    EXPECT_TRUE(field->ScrollBarVertical());
    EXPECT_TRUE(field->ScrollBarHorizontal());
    EXPECT_FALSE(field->Password());
    EXPECT_EQ(field->BackColor(), (Color{255, 190, 125}));
    EXPECT_EQ(field->Mask(), "###");

    SetProperties_(window, Int("MacProcID", 7) + Text("Title", "Prodotina"));
    EXPECT_EQ(window->MacProcId(), 7);
    EXPECT_EQ(window->Title(), "Prodotina");
    SetProperties_(window, ""); // an empty list sets nothing
    EXPECT_EQ(window->Title(), "Prodotina");
}

TEST_F(PropertyListTest, AControlsPeerHearsOfAWholeListOnce)
{
    Ref<TestWindow> window = OpenTestWindow();
    Ref<StaticText> label = AddNew<StaticText>(*window, "StaticText1");
    auto* peer = dynamic_cast<headless::HeadlessControlPeer*>(label->Peer());
    ASSERT_NE(peer, nullptr);
    const int before = peer->Syncs();
    SetProperties_(label, Int("Left", 79) + Int("Top", 44) + Text("Text", "0") + Bool("Visible", true) +
                              Bool("Bold", true) + Int("TextAlign", 2));
    EXPECT_EQ(peer->Syncs(), before + 1);
    EXPECT_EQ(label->Text(), "0");
    EXPECT_EQ(label->TextAlign(), 2);
    // One setting outside a list is heard on its own.
    label->SetText("7");
    EXPECT_EQ(peer->Syncs(), before + 2);

    auto* windowPeer = dynamic_cast<headless::HeadlessWindowPeer*>(window->Peer());
    ASSERT_NE(windowPeer, nullptr);
    const int windowBefore = windowPeer->Syncs();
    SetProperties_(window, Int("Width", 388) + Int("Height", 280) + Text("Title", "Prodotina") +
                               Bool("Visible", true) + Int("MacProcID", 0));
    EXPECT_EQ(windowPeer->Syncs(), windowBefore + 1);
    EXPECT_TRUE(windowPeer->Mapped());
}

TEST_F(PropertyListTest, AMalformedListIsRefusedWholeNamingTheEntryAndOffset)
{
    Ref<EditField> field = RuntimeNewObject<EditField>();
    SetProperties_(field, Int("Left", 7));
    const std::string head = Int("Left", 99); // 9 bytes, valid
    struct Case {
        const char* what;
        std::string list;
        std::string name;
        std::size_t offset;
    } cases[] = {
        {"unknown name", head + Int("Bogus", 1), "Bogus", 9},
        {"repeated name", head + Int("Top", 1) + Int("left", 3), "Left", 17},
        {"ends inside a name", head + "Tex", "Tex", 9},
        {"ends inside a value", head + Raw("Top", "\0\0"s), "Top", 13},
        {"ends inside a text length", head + Raw("HelpTag", "\0\0"s), "HelpTag", 17},
        {"boolean byte 02", head + Raw("Password", "\x02"), "Password", 18},
        {"boolean byte 20", head + Raw("Password", " "), "Password", 18},
        {"overlong text", head + Raw("HelpTag", "\0\0\0\x0A" "abc"s), "HelpTag", 17},
        {"text length with the top bit", head + Raw("HelpTag", "\x80\0\0\x01" "abc"s), "HelpTag", 17},
        {"bad entry after a good one", head + Bool("Password", true) + Int("Nope", 0), "Nope", 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            SetProperties_(field, c.list);
            ADD_FAILURE() << "the list was taken";
        } catch (const PropertyListException& e) {
            const std::string message = e.Message();
            EXPECT_NE(message.find('"' + c.name + '"'), std::string::npos) << message;
            EXPECT_NE(message.find("byte " + std::to_string(c.offset)), std::string::npos) << message;
        }
        EXPECT_EQ(field->Left(), 7);
        EXPECT_FALSE(field->Password());
    }
    EXPECT_THROW(SetProperties_(Ref<Object>(), head), NilObjectException);
}
