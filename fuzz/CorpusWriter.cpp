// Writes the seed corpus and the dictionary of PropertyListFuzzer:
//   PropertyListCorpusWriter <corpus folder> <dictionary file>
// The seeds are sound lists, one per kind of object the fuzzer feeds; the
// dictionary holds every property name those classes declare, as a list
// spells it (the name and one blank).

#include "framework/ClassInfo.h"
#include "framework/EditField.h"
#include "framework/PackedList.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>

namespace {

constexpr void EditFieldSeed(fw::ListWriter& w)
{
    w.Text("Name", "Answer").Integer("Left", 20).Integer("Top", 60).Integer("Width", 80).Integer("Height", 22);
    w.Boolean("Multiline", false).Boolean("Password", false).Colour("TextColor", 0, 0, 128);
    w.Text("Mask", "###").Integer("LimitText", 3).Text("Text", "42").Integer("Alignment", 1);
    w.Text("TextFont", "System").Integer("TextSize", 18).Boolean("Bold", true);
}

constexpr void StaticTextSeed(fw::ListWriter& w)
{
    w.Text("Name", "Question").Integer("Left", 20).Integer("Top", 20).Integer("Width", 200).Integer("Height", 30);
    w.Text("Text", "7 \xC3\x97 8 =").Integer("TextAlign", 2).Colour("TextColor", 0, 0, 0);
    w.Boolean("MultiLine", false).Integer("TextSize", 24).Boolean("Italic", false);
}

constexpr void PushButtonSeed(fw::ListWriter& w)
{
    w.Text("Name", "Check").Integer("Left", 120).Integer("Top", 60).Integer("Width", 80).Integer("Height", 22);
    w.Text("Caption", "Controlla").Boolean("Default", true).Boolean("Cancel", false).Integer("TabIndex", 1);
    w.Boolean("Enabled", true).Boolean("Visible", true).Text("HelpTag", "").Text("InitialParent", "");
}

constexpr void WindowSeed(fw::ListWriter& w)
{
    w.Text("Title", "Prodotina").Integer("Width", 320).Integer("Height", 200).Integer("MinWidth", 64);
    w.Integer("Placement", 0).Integer("Frame", 0).Boolean("HasBackColor", true).Colour("BackColor", 255, 255, 224);
    w.Boolean("Resizeable", false).Boolean("Visible", true).Boolean("MaximizeButton", false);
}

template <class List>
void WriteSeed(const std::filesystem::path& folder, const char* name)
{
    std::ofstream(folder / name, std::ios::binary).write(List::kBytes.data(), List::kSize);
}

void CollectNames(const fw::ClassInfo& info, std::set<std::string>& names)
{
    for (const fw::ClassInfo* c = &info; c; c = c->Base())
        for (const fw::PropertyInfo& property : c->OwnProperties())
            names.insert(std::string(property.name) + " ");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <corpus folder> <dictionary file>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    WriteSeed<fw::PackedList<EditFieldSeed>>(folder, "edit-field");
    WriteSeed<fw::PackedList<StaticTextSeed>>(folder, "static-text");
    WriteSeed<fw::PackedList<PushButtonSeed>>(folder, "push-button");
    WriteSeed<fw::PackedList<WindowSeed>>(folder, "window");

    std::set<std::string> names;
    CollectNames(fw::EditField::Lookup_(), names);
    CollectNames(fw::StaticText::Lookup_(), names);
    CollectNames(fw::PushButton::Lookup_(), names);
    CollectNames(fw::Window::Lookup_(), names);
    std::ofstream dictionary(argv[2]);
    dictionary << "# Property names as a list spells them; written by PropertyListCorpusWriter.\n";
    for (const std::string& name : names)
        dictionary << '"' << name << "\"\n";
    return 0;
}
