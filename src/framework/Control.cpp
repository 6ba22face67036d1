#include "framework/Control.h"

#include "framework/Field.h"
#include "framework/Window.h"

namespace fw {

Ref<Window> Control::GetWindow() const { return Ref<Window>(window_); }

const ClassInfo& Control::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "Control",
            .base = &ObjectClass(),
            .operations = {{"Close", "", ""}},
            .properties =
                {
                    Field<&Control::name_, 0>("Name"),
                    Field<&Control::index_, 0>("Index"),
                    Field<&Control::tabPanelIndex_, 0>("TabPanelIndex"),
                },
            .events = {"Open", "Close"},
        };
    });
}

RectControl::~RectControl() = default;

std::vector<PropertyInfo> RectControl::RectProperties()
{
    return {
        Field<&RectControl::left_, kGeometry>("Left"),
        Field<&RectControl::top_, kGeometry>("Top"),
        Field<&RectControl::width_, kGeometry>("Width"),
        Field<&RectControl::height_, kGeometry>("Height"),
        Field<&RectControl::lockLeft_, 0>("LockLeft"),
        Field<&RectControl::lockTop_, 0>("LockTop"),
        Field<&RectControl::lockRight_, 0>("LockRight"),
        Field<&RectControl::lockBottom_, 0>("LockBottom"),
        Property<&RectControl::SetTabIndex, &RectControl::TabIndex>("TabIndex"),
        Property<&RectControl::SetTabStop, &RectControl::TabStop>("TabStop"),
        Property<&RectControl::SetEnabled, &RectControl::Enabled>("Enabled"),
        Property<&RectControl::SetVisible, &RectControl::Visible>("Visible"),
        Field<&RectControl::helpTag_, kHelpTag>("HelpTag"),
        Field<&RectControl::autoDeactivate_, 0>("AutoDeactivate"),
        Property<&RectControl::SetInitialParent>("InitialParent"),
    };
}

const ClassInfo& RectControl::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "RectControl",
            .base = &Control::Lookup_(),
            .operations = {{"Constructor", "", ""}, {"SetFocus", "", ""}, {"Refresh", "", ""}},
            .properties = RectProperties(),
            .events = {"MouseEnter", "MouseExit", "MouseMove"},
        };
    });
}

void RectControl::Constructor() {}

void RectControl::SetVisible(bool visible)
{
    visible_ = visible;
    if (!visible && window_ && window_->FocusedControl() == this)
        window_->ControlCannotFocus(this);
    Changed(kVisible);
}

void RectControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled && window_ && window_->FocusedControl() == this)
        window_->ControlCannotFocus(this);
    Changed(kEnabled);
}

bool RectControl::CanFocus() const { return window_ && visible_ && enabled_; }

void RectControl::SetFocus()
{
    if (!CanFocus())
        return;
    window_->ControlFocused(this);
    if (peer_)
        peer_->Focus();
}

bool RectControl::HasFocus() const { return window_ && window_->FocusedControl() == this; }

void RectControl::UserFocused()
{
    if (CanFocus())
        window_->ControlFocused(this);
}

void RectControl::SetInitialParent(std::string_view parent) { initialParent_ = parent; }

void RectControl::SetTabIndex(std::int32_t index)
{
    tabIndex_ = index;
    if (window_)
        window_->Changed(kTabOrder);
}

void RectControl::SetTabStop(bool stop)
{
    tabStop_ = stop;
    Changed(kTabOrder);
}

void RectControl::Changed(Aspects aspects)
{
    if (const Aspects now = updates_.Add(aspects); now && peer_)
        peer_->Sync(now);
}

void RectControl::EndUpdate()
{
    if (const Aspects now = updates_.End(); now && peer_)
        peer_->Sync(now);
}

std::vector<PropertyInfo> TextControl::FontProperties()
{
    return {
        Field<&TextControl::textFont_, kFont>("TextFont"),
        Field<&TextControl::textSize_, kFont>("TextSize"),
        Field<&TextControl::bold_, kFont>("Bold"),
        Field<&TextControl::italic_, kFont>("Italic"),
        Field<&TextControl::underline_, kFont>("Underline"),
    };
}

} // namespace fw
