#include "app/NilSafe.h"
#include "drill/Prodotina.h"
#include "drill/PropertyLists.h"
#include "framework/Delegate.h"
#include "framework/EditField.h"
#include "framework/PropertyList.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"

namespace Prodotina {

namespace {

// One control of the window, in the order of creation (which is also the
// tab order its list gives it).
struct Recipe {
    std::string_view name;
    const fw::ClassInfo& (*controlClass)();
    const lists::List& settings;
    fw::MethodEntry action; // a button's handler; nil for the others
};

template <void (Prodotina::*Handler)()>
constexpr fw::MethodEntry kHandler = &fw::BoundHandler<Prodotina, Handler>;

const Recipe kRecipes[] = {
    {"EditField1", &fw::EditField::Lookup_, lists::kEditField1, nullptr},
    {"StaticText1", &fw::StaticText::Lookup_, lists::kStaticText1, nullptr},
    {"StaticText2", &fw::StaticText::Lookup_, lists::kStaticText2, nullptr},
    {"StaticText3", &fw::StaticText::Lookup_, lists::kStaticText3, nullptr},
    {"StaticText4", &fw::StaticText::Lookup_, lists::kStaticText4, nullptr},
    {"PushButton1", &fw::PushButton::Lookup_, lists::kPushButton1, kHandler<&Prodotina::PushButton1_Action>},
    {"PushButton2", &fw::PushButton::Lookup_, lists::kPushButton2, kHandler<&Prodotina::PushButton2_Action>},
    {"StaticText5", &fw::StaticText::Lookup_, lists::kStaticText5, nullptr},
    {"StaticText6", &fw::StaticText::Lookup_, lists::kStaticText6, nullptr},
    {"StaticText7", &fw::StaticText::Lookup_, lists::kStaticText7, nullptr},
    {"StaticText8", &fw::StaticText::Lookup_, lists::kStaticText8, nullptr},
    {"PushButton3", &fw::PushButton::Lookup_, lists::kPushButton3, kHandler<&Prodotina::PushButton3_Action>},
};

} // namespace

void Prodotina::CreateControls() { CreateControls0_(); }

void Prodotina::CreateControls0_()
{
    const fw::Ref<fw::Window> self(this);
    for (const Recipe& recipe : kRecipes) {
        const fw::ClassInfo& controlClass = recipe.controlClass();
        {
            const fw::Ref<fw::Object> made = New_(controlClass);
            const fw::Ref<fw::RectControl> control(dynamic_cast<fw::RectControl*>(made.get()));
            RequireObject(control).Constructor();
            AddControl_(recipe.name, control);
        }
        {
            // Found again by its name: the window is its only owner now.
            const fw::Ref<fw::Object> found = fw::RuntimeWindowControlByName(self, recipe.name);
            const fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(found, controlClass);
            fw::SetProperties_(cast, recipe.settings.bytes);
        }
        if (recipe.action) {
            const fw::Ref<fw::PushButton> button =
                fw::RuntimeCheckCast<fw::PushButton>(fw::RuntimeWindowControlByName(self, recipe.name));
            const fw::Ref<fw::Delegate> delegate =
                fw::RuntimeCreateDelegate(fw::Delegate::IM_Invoke, recipe.action, self, "(  )");
            // Without a delegate the button stays unbound, and pressing it does nothing.
            fw::InstallInstanceEventHandler_(button, "Action", delegate ? delegate->Method() : nullptr);
        }
    }
}

} // namespace Prodotina
