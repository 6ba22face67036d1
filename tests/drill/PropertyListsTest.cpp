#include "DrillFixture.h"

#include "drill/PropertyLists.h"
#include "framework/PropertyList.h"

namespace lists = Prodotina::lists;
using namespace std::string_view_literals;

namespace {

struct Expected {
    const char* object;
    const lists::List& list;
    std::size_t entries;
    std::size_t bytes;
};

const Expected kTable[] = {
    {"window", lists::kWindow, 21, 276},
    {"EditField1", lists::kEditField1, 41, 498},
    {"StaticText1", lists::kStaticText1, 28, 339},
    {"StaticText2", lists::kStaticText2, 28, 339},
    {"StaticText3", lists::kStaticText3, 28, 339},
    {"StaticText4", lists::kStaticText4, 28, 339},
    {"StaticText5", lists::kStaticText5, 28, 344},
    {"StaticText6", lists::kStaticText6, 28, 339},
    {"StaticText7", lists::kStaticText7, 28, 339},
    {"StaticText8", lists::kStaticText8, 28, 344},
    {"PushButton1", lists::kPushButton1, 26, 306},
    {"PushButton2", lists::kPushButton2, 26, 309},
    {"PushButton3", lists::kPushButton3, 26, 307},
};

} // namespace

TEST(PropertyLists, EachListHasTheLengthAndEntriesOfTheTable)
{
    for (const Expected& e : kTable) {
        SCOPED_TRACE(e.object);
        EXPECT_EQ(e.list.bytes.size(), e.bytes);
        EXPECT_EQ(e.list.entries, e.entries);
    }
}

TEST(PropertyLists, BytesThatATextReaderWouldMisreadAreWrittenAsTheyAre)
{
    const std::string_view window = lists::kWindow.bytes;
    EXPECT_EQ(window.substr(0, 14), "Placement \0\0\0\0"sv);
    EXPECT_EQ(window.substr(window.size() - 14), "MacProcID \0\0\0\0"sv);
    // A Width of 32 holds the separator byte itself.
    for (const lists::List* label : {&lists::kStaticText6, &lists::kStaticText7})
        EXPECT_NE(label->bytes.find("Width \0\0\0\x20Height "sv), std::string_view::npos);
    EXPECT_NE(lists::kEditField1.bytes.find("Index \x80\0\0\0Left "sv), std::string_view::npos);
    EXPECT_NE(lists::kEditField1.bytes.find("Text \0\0\0\0Mask \0\0\0\x03###ReadOnly "sv), std::string_view::npos);
    EXPECT_TRUE(lists::kPushButton3.bytes.ends_with("InitialParent \0\0\0\0"sv));
}

TEST_F(RuntimeTest, EveryListReadsToItsEndOnAnObjectOfItsClass)
{
    const auto apply = [](const fw::ClassInfo& info, const lists::List& list) {
        const fw::Ref<fw::Object> object = fw::RuntimeNewObject(info);
        fw::SetProperties_(object, list.bytes); // refuses a list that ends inside a value or has an unknown name
        return object;
    };
    const fw::Ref<fw::Object> window = apply(Prodotina::Prodotina::Lookup_(), lists::kWindow);
    EXPECT_EQ(static_cast<fw::Window&>(*window).Title(), "Prodotina");
    const fw::Ref<fw::Object> field = apply(fw::EditField::Lookup_(), lists::kEditField1);
    // "ScrollbarVertical" reaches ScrollBarVertical, whose default is off.
    EXPECT_TRUE(static_cast<fw::EditField&>(*field).ScrollBarVertical());
    for (const Expected& e : kTable) {
        const std::string_view name = e.object;
        if (name.starts_with("StaticText")) {
            EXPECT_NO_THROW(apply(fw::StaticText::Lookup_(), e.list)) << name;
        } else if (name.starts_with("PushButton")) {
            EXPECT_NO_THROW(apply(fw::PushButton::Lookup_(), e.list)) << name;
        }
    }
}

TEST_F(DrillTest, TheWindowStartsBetweenDrills)
{
    EXPECT_EQ(window_->Width(), 388);
    EXPECT_EQ(window_->Height(), 280);
    EXPECT_EQ(window_->Title(), "Prodotina");
    EXPECT_TRUE(window_->HasBackColor());
    EXPECT_EQ(window_->BackColor(), (fw::Color{255, 190, 125}));
    EXPECT_FALSE(window_->MaximizeButton());

    EXPECT_TRUE(Shown("PushButton1"));
    EXPECT_FALSE(Shown("PushButton2"));
    EXPECT_FALSE(Shown("PushButton3"));
    EXPECT_EQ(Find<fw::PushButton>("PushButton2").Caption(), "Controlla");

    fw::EditField& field = Find<fw::EditField>("EditField1");
    EXPECT_FALSE(field.Enabled());
    EXPECT_EQ(field.Text(), "");
    EXPECT_EQ(field.Mask(), "###");
    EXPECT_EQ(field.TextSize(), 20);

    EXPECT_EQ(Text("StaticText1"), "0");
    EXPECT_EQ(Text("StaticText2"), "0");
    EXPECT_EQ(Find<fw::StaticText>("StaticText1").TextAlign(), 2);
    EXPECT_EQ(Text("StaticText6"), "X");
    EXPECT_EQ(Text("StaticText7"), "X");
    const fw::Color red{255, 0, 0}, black{0, 0, 0};
    for (const char* label : {"StaticText7", "StaticText8"})
        EXPECT_EQ(Find<fw::StaticText>(label).TextColor(), red) << label;
    for (const char* label : {"StaticText1", "StaticText2", "StaticText3", "StaticText4", "StaticText5", "StaticText6"})
        EXPECT_EQ(Find<fw::StaticText>(label).TextColor(), black) << label;
}
