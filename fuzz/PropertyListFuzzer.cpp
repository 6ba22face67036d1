// Feeds arbitrary bytes to the property-list reader, as a list for each kind
// of object a program hands lists to: fresh controls and windows, and the
// same classes once they sit in an open window with peers. Most inputs are
// refused with a PropertyListException, which is fine. A crash, a sanitizer
// report, any other exception, or a refused list that still changed the
// object is a finding.

#include "framework/ClassInfo.h"
#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/MenuItem.h" // a Window subclass destroys its menu bar reference
#include "framework/PropertyList.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

// Window cannot be made as it is; programs give lists to their own windows.
class FuzzWindow : public fw::Window {
public:
    static const fw::ClassInfo& Lookup_()
    {
        return fw::DescribeOnce([] {
            return fw::ClassDeclaration{
                .name = "FuzzWindow",
                .base = &fw::Window::Lookup_(),
                .create = []() -> fw::Object* { return new FuzzWindow(); },
            };
        });
    }
};

// Every readable property of the object, base classes' included.
std::vector<fw::PropertyValue> Snapshot(const fw::Object& object)
{
    std::vector<fw::PropertyValue> values;
    for (const fw::ClassInfo* info = &object.Class(); info; info = info->Base())
        for (const fw::PropertyInfo& property : info->OwnProperties())
            if (property.get)
                values.push_back(property.get(object));
    return values;
}

void Apply(const fw::Ref<fw::Object>& object, std::string_view list)
{
    const std::vector<fw::PropertyValue> before = Snapshot(*object);
    try {
        fw::SetProperties_(object, list);
    } catch (const fw::PropertyListException&) {
        // A list is checked whole before anything is set.
        if (Snapshot(*object) != before) {
            std::fprintf(stderr, "a refused list changed a %.*s\n", static_cast<int>(object->Class().Name().size()),
                         object->Class().Name().data());
            std::abort();
        }
    }
}

std::vector<fw::Ref<fw::Control>> FreshControls()
{
    return {fw::RuntimeNewObject<fw::EditField>(), fw::RuntimeNewObject<fw::StaticText>(),
            fw::RuntimeNewObject<fw::PushButton>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view list(reinterpret_cast<const char*>(data), size);

    // Objects on their own, with no peer.
    for (const fw::Ref<fw::Control>& control : FreshControls())
        Apply(control, list);
    Apply(fw::RuntimeNewObject<FuzzWindow>(), list);

    // The same in an open window on the headless toolkit, where every change
    // reaches a peer.
    fw::Ref<FuzzWindow> window = fw::RuntimeNewObject<FuzzWindow>();
    window->Constructor();
    for (const fw::Ref<fw::Control>& control : FreshControls()) {
        window->AddControl_("Control", control);
        Apply(control, list);
    }
    Apply(window, list);
    window->Close();
    return 0;
}
