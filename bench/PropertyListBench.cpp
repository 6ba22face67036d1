// How long SetProperties_ takes to apply the list a window's generated code
// gives a typical edit field: 41 entries, every property an EditField has,
// onto a field that sits in an open window of the headless toolkit, so each
// change is collected for its peer as it would be on screen.

#include "framework/ClassInfo.h"
#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/MenuItem.h"
#include "framework/PackedList.h"
#include "framework/PropertyList.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "toolkit/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

namespace {

constexpr void EditFieldList(fw::ListWriter& w)
{
    w.Text("Name", "Answer").Integer("Index", 0).Integer("Left", 20).Integer("Top", 60);
    w.Integer("Width", 80).Integer("Height", 22);
    w.Boolean("LockLeft", true).Boolean("LockTop", true).Boolean("LockRight", false).Boolean("LockBottom", false);
    w.Integer("TabPanelIndex", 0).Integer("TabIndex", 1).Boolean("TabStop", true).Boolean("Border", true);
    // Spelt as older window files spell them; the field declares MultiLine,
    // ScrollBarHorizontal and ScrollBarVertical.
    w.Boolean("Multiline", false).Boolean("ScrollbarHorizontal", false).Boolean("ScrollbarVertical", false);
    w.Boolean("Styled", false).Boolean("Password", false).Boolean("UseFocusRing", true);
    w.Colour("TextColor", 0, 0, 0).Colour("BackColor", 255, 255, 255).Boolean("Enabled", true);
    w.Text("Format", "").Boolean("Visible", true).Text("HelpTag", "").Boolean("AutoDeactivate", true);
    w.Text("TextFont", "System").Integer("TextSize", 18).Boolean("Bold", true).Boolean("Italic", false);
    w.Boolean("Underline", false).Text("Text", "").Text("Mask", "").Boolean("ReadOnly", false);
    w.Integer("LimitText", 3).Boolean("AcceptTabs", false).Integer("Alignment", 1);
    w.Text("DataSource", "").Text("DataField", "").Text("InitialParent", "");
}
using EditFieldProperties = fw::PackedList<EditFieldList>;
static_assert(EditFieldProperties::kEntries == 41);

class BenchWindow : public fw::Window {
public:
    static const fw::ClassInfo& Lookup_()
    {
        return fw::DescribeOnce([] {
            return fw::ClassDeclaration{
                .name = "BenchWindow",
                .base = &fw::Window::Lookup_(),
                .create = []() -> fw::Object* { return new BenchWindow(); },
            };
        });
    }
};

void ApplyEditFieldList(benchmark::State& state)
{
    fw::RuntimeInit();
    fw::Ref<BenchWindow> window = fw::RuntimeNewObject<BenchWindow>();
    window->Constructor();
    fw::Ref<fw::EditField> field = fw::RuntimeNewObject<fw::EditField>();
    window->AddControl_("Answer", field);
    try {
        fw::SetProperties_(field, EditFieldProperties::View());
    } catch (const fw::RuntimeException& refused) {
        state.SkipWithError(refused.what());
    }

    for (auto _ : state)
        fw::SetProperties_(field, EditFieldProperties::View());

    state.SetItemsProcessed(state.iterations() * EditFieldProperties::kEntries);
    window->Close();
    fw::RuntimeExit();
}
BENCHMARK(ApplyEditFieldList);

// The same without a window: the reader and the setters alone.
void ApplyEditFieldListNoPeer(benchmark::State& state)
{
    fw::Ref<fw::EditField> field = fw::RuntimeNewObject<fw::EditField>();
    for (auto _ : state)
        fw::SetProperties_(field, EditFieldProperties::View());
    state.SetItemsProcessed(state.iterations() * EditFieldProperties::kEntries);
}
BENCHMARK(ApplyEditFieldListNoPeer);

} // namespace
