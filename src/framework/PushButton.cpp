#include "framework/PushButton.h"

#include "framework/Exceptions.h"
#include "framework/Field.h"
#include "framework/Window.h"

namespace fw {

const ClassInfo& PushButton::Lookup_()
{
    return DescribeOnce([] {
        std::vector<PropertyInfo> properties = {
            Property<&PushButton::SetCaption, &PushButton::Caption>("Caption"),
            Field<&PushButton::default_, kButtonRole>("Default"),
            Field<&PushButton::cancel_, kButtonRole>("Cancel"),
        };
        for (PropertyInfo& font : FontProperties())
            properties.push_back(std::move(font));
        return ClassDeclaration{
            .name = "PushButton",
            .base = &RectControl::Lookup_(),
            .create = []() -> Object* { return new PushButton(); },
            .operations = {{"Push", "", ""}, {"_CallAction", "", ""}},
            .properties = std::move(properties),
            .events = {"Action"},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

void PushButton::SetCaption(std::string_view caption)
{
    caption_ = caption;
    Changed(kText);
}

void PushButton::CallAction_()
{
    if (action_)
        action_(this);
}

void PushButton::Push()
{
    if (CanFocus())
        CallAction_();
}

void InstallInstanceEventHandler_(const Ref<PushButton>& button, std::string_view event, MethodEntry entry)
{
    if (!button)
        RaiseNilObjectException();
    if (event != "Action")
        throw InvalidArgumentException("a PushButton has no event named \"" + std::string(event) + "\"");
    button->action_ = entry;
}

void RuntimeSwapSelfAndMe(Ref<Object>& self, Ref<Object>& me)
{
    me = self;
    auto* control = dynamic_cast<Control*>(me.get());
    if (!control)
        RaiseNilObjectException();
    Ref<Window> window = control->GetWindow();
    if (!window)
        RaiseNilObjectException();
    self = window;
}

} // namespace fw
