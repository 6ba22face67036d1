#include "drill/PropertyLists.h"

#include "framework/PackedList.h"

#include <cstdint>
#include <limits>

namespace Prodotina::lists {

namespace {

using fw::ListWriter;

constexpr std::int32_t kNoIndex = std::numeric_limits<std::int32_t>::min();

constexpr void WriteWindow(ListWriter& w)
{
    w.Integer("Placement", 0)
        .Integer("Width", 388)
        .Integer("Height", 280)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", 0)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", true)
        .Colour("BackColor", 255, 190, 125)
        .Text("Title", "Prodotina")
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", true)
        .Boolean("LiveResize", true)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", true)
        .Integer("MacProcID", 0);
}

// Where a control sits; the tab index follows the order of creation.
struct Placement {
    std::string_view name;
    std::int32_t left, top, width, height, tabIndex;
};

// The twelve entries every control list begins with.
constexpr void WriteHead(ListWriter& w, const Placement& at)
{
    w.Text("Name", at.name)
        .Integer("Index", kNoIndex)
        .Integer("Left", at.left)
        .Integer("Top", at.top)
        .Integer("Width", at.width)
        .Integer("Height", at.height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", at.tabIndex);
}

// The entry every control list ends with.
constexpr void WriteTail(ListWriter& w) { w.Text("InitialParent", ""); }

// Visible, the help tag and the font: one run of entries that every control
// list has, though not at the same place.
constexpr void WriteLook(ListWriter& w, bool visible, std::int32_t textSize)
{
    w.Boolean("Visible", visible)
        .Text("HelpTag", "")
        .Boolean("AutoDeactivate", true)
        .Text("TextFont", "System")
        .Integer("TextSize", textSize)
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
}

constexpr void WriteEditField1(ListWriter& w)
{
    WriteHead(w, {"EditField1", 133, 139, 100, 31, 0});
    w.Boolean("TabStop", true)
        .Boolean("Border", true)
        .Boolean("Multiline", false)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("ScrollbarVertical", true)
        .Boolean("Styled", false)
        .Boolean("Password", false)
        .Boolean("UseFocusRing", true)
        .Colour("TextColor", 0, 0, 0)
        .Colour("BackColor", 255, 255, 255)
        .Boolean("Enabled", false)
        .Text("Format", "");
    WriteLook(w, true, 20);
    w.Text("Text", "")
        .Text("Mask", "###")
        .Boolean("ReadOnly", false)
        .Integer("LimitText", 0)
        .Boolean("AcceptTabs", false)
        .Integer("Alignment", 0)
        .Text("DataSource", "")
        .Text("DataField", "");
    WriteTail(w);
}

struct Label {
    Placement at;
    std::string_view text;
    std::int32_t textAlign;
    std::uint8_t red, green, blue;
};

constexpr Label kLabels[] = {
    {{"StaticText1", 79, 44, 100, 36, 1}, "0", 2, 0, 0, 0},
    {{"StaticText2", 79, 91, 100, 36, 2}, "0", 2, 0, 0, 0},
    {{"StaticText3", 216, 44, 100, 36, 3}, "X", 0, 0, 0, 0},
    {{"StaticText4", 209, 91, 100, 36, 4}, "=", 0, 0, 0, 0},
    {{"StaticText5", 37, 14, 74, 36, 7}, "Esatte", 0, 0, 0, 0},
    {{"StaticText6", 123, 14, 32, 36, 8}, "X", 0, 0, 0, 0},
    {{"StaticText7", 336, 14, 32, 36, 9}, "X", 0, 255, 0, 0},
    {{"StaticText8", 250, 14, 74, 36, 10}, "Errate", 0, 255, 0, 0},
};

template <std::size_t N>
constexpr void WriteLabel(ListWriter& w)
{
    const Label& label = kLabels[N];
    WriteHead(w, label.at);
    w.Text("Text", label.text)
        .Integer("TextAlign", label.textAlign)
        .Colour("TextColor", label.red, label.green, label.blue)
        .Boolean("Multiline", false)
        .Boolean("Enabled", true);
    WriteLook(w, true, 20);
    w.Text("DataSource", "")
        .Text("DataField", "");
    WriteTail(w);
}

struct Button {
    Placement at;
    std::string_view caption;
    bool visible;
};

constexpr Button kButtons[] = {
    {{"PushButton1", 106, 193, 155, 25, 5}, "Inizia", true},
    {{"PushButton2", 143, 192, 80, 28, 6}, "Controlla", false},
    {{"PushButton3", 143, 232, 87, 28, 11}, "Termina", false},
};

template <std::size_t N>
constexpr void WriteButton(ListWriter& w)
{
    const Button& button = kButtons[N];
    WriteHead(w, button.at);
    w.Boolean("TabStop", true)
        .Text("Caption", button.caption)
        .Boolean("Default", false)
        .Boolean("Cancel", false)
        .Boolean("Enabled", true);
    WriteLook(w, button.visible, 0);
    WriteTail(w);
}

template <void (*Write)(ListWriter&)>
constexpr List Packed()
{
    using Bytes = fw::PackedList<Write>;
    return {Bytes::View(), Bytes::kEntries};
}

} // namespace

constinit const List kWindow = Packed<&WriteWindow>();
constinit const List kEditField1 = Packed<&WriteEditField1>();
constinit const List kStaticText1 = Packed<&WriteLabel<0>>();
constinit const List kStaticText2 = Packed<&WriteLabel<1>>();
constinit const List kStaticText3 = Packed<&WriteLabel<2>>();
constinit const List kStaticText4 = Packed<&WriteLabel<3>>();
constinit const List kStaticText5 = Packed<&WriteLabel<4>>();
constinit const List kStaticText6 = Packed<&WriteLabel<5>>();
constinit const List kStaticText7 = Packed<&WriteLabel<6>>();
constinit const List kStaticText8 = Packed<&WriteLabel<7>>();
constinit const List kPushButton1 = Packed<&WriteButton<0>>();
constinit const List kPushButton2 = Packed<&WriteButton<1>>();
constinit const List kPushButton3 = Packed<&WriteButton<2>>();

} // namespace Prodotina::lists
