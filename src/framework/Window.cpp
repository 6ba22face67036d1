#include "framework/Window.h"

#include "framework/Exceptions.h"
#include "framework/FailureSeam.h"
#include "framework/Field.h"
#include "framework/MenuItem.h"
#include "framework/Runtime.h"
#include "framework/WindowList.h"

#include <algorithm>

namespace fw {

const ClassInfo& Window::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "Window",
            .base = &ObjectClass(),
            .operations =
                {
                    {"Show", "", ""},
                    {"ShowWithin", "Window, Int32", ""},
                    {"ShowModalWithin", "Window", ""},
                    {"Hide", "", ""},
                    {"Close", "", ""},
                    {"Refresh", "Boolean", ""},
                    {"RefreshRect", "Int32, Int32, Int32, Int32, Boolean", ""},
                    {"ShowModal", "", ""},
                    {"NewDragItem", "Int32, Int32, Int32, Int32", "DragItem"},
                    {"AcceptTextDrop", "", ""},
                    {"AcceptPictureDrop", "", ""},
                    {"AcceptFileDrop", "String", ""},
                    {"AcceptMacDataDrop", "String", ""},
                    {"AcceptRawDataDrop", "String", ""},
                    {"Control", "Int32", "Control"},
                    {"SetFocus", "", ""},
                    {"DrawInto", "Graphics, Int32, Int32, Boolean", ""},
                    {"_DrawBackground", "Graphics, Int32, Int32, Int32, Int32, Int32, Int32", ""},
                    {"UpdateNow", "", ""},
                    {"_AddControl", "String, Object", ""},
                    {"_AddMenuHandler", "String, Ptr", ""},
                    {"Window", "", ""},
                    {"Operator_Convert", "", "WindowPtr"},
                    {"__New", "ClassInfo", "Object"},
                    {"_Move", "Int32, Int32, Int32, Int32", ""},
                    {"Maximize", "", ""},
                    {"Minimize", "", ""},
                    {"Restore", "", ""},
                    {"_Update", "", ""},
                    {"_CallMoved", "", ""},
                    {"_EnableMenuItems", "MenuItem()", ""},
                    {"_CallActivated", "", ""},
                    {"_CallDeactivated", "", ""},
                    {"_HandleMenuCommand", "MenuItem", "Boolean"},
                    {"_UnifiedClose", "Boolean", "Boolean"},
                    {"_CallMouseDown", "Int32, Int32", "Boolean"},
                    {"_CallResized", "", ""},
                    {"_CallResizing", "", ""},
                    {"_RemoveControl", "Control", ""},
                    {"_MouseEnter", "", ""},
                    {"_MouseExit", "", ""},
                    {"_MouseMove", "Int32, Int32", ""},
                    {"_Paint", "Graphics", ""},
                    {"_MouseWheel", "Int32, Int32, Int32, Int32", "Boolean"},
                    {"_KeyDown", "String", "Boolean"},
                    {"__DependencyList", "", ""},
                    {"Constructor", "", ""},
                    {"TrueWindow", "", "Window"},
                },
            .properties =
                {
                    Field<&Window::placement_, 0>("Placement"),
                    Field<&Window::width_, kGeometry>("Width"),
                    Field<&Window::height_, kGeometry>("Height"),
                    Field<&Window::minWidth_, kSizeLimits>("MinWidth"),
                    Field<&Window::minHeight_, kSizeLimits>("MinHeight"),
                    Field<&Window::maxWidth_, kSizeLimits>("MaxWidth"),
                    Field<&Window::maxHeight_, kSizeLimits>("MaxHeight"),
                    Field<&Window::frame_, kFrame>("Frame"),
                    Field<&Window::composite_, 0>("Composite"),
                    Field<&Window::hasBackColor_, kColors>("HasBackColor"),
                    Field<&Window::backColor_, kColors>("BackColor"),
                    Property<&Window::SetTitle, &Window::Title>("Title"),
                    Property<&Window::SetVisible, &Window::Visible>("Visible"),
                    Field<&Window::fullScreen_, kFrame>("FullScreen"),
                    Field<&Window::menuBarVisible_, kFrame>("MenuBarVisible"),
                    Field<&Window::closeButton_, kFrame>("CloseButton"),
                    Field<&Window::resizeable_, kFrame>("Resizeable"),
                    Field<&Window::liveResize_, 0>("LiveResize"),
                    Field<&Window::maximizeButton_, kFrame>("MaximizeButton"),
                    Field<&Window::minimizeButton_, kFrame>("MinimizeButton"),
                    Field<&Window::macProcId_, 0>("MacProcId"),
                },
            .events = {"AddMenuHandlers", "SetupBindings", "Open", "Close", "CancelClose", "KeyDown", "KeyUp",
                       "MouseMove", "MouseEnter", "MouseExit", "Paint", "MouseDown", "MouseDrag", "MouseUp",
                       "EnableMenuItems", "Resized", "Resizing", "Moved", "DropObject", "Activate",
                       "Deactivate", "Minimize", "Maximize", "Restore", "MouseWheel", "ConstructContextualMenu",
                       "ContextualMenuAction", "DragEnter", "DragExit", "DragOver", "Layout", "CreateControls"},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

Window::~Window()
{
    // Controls may outlive the window if someone still holds them; they must
    // not point at it any more. Their peers go before the window's.
    for (const Ref<Control>& control : controls_) {
        control->window_ = nullptr;
        if (auto* rect = dynamic_cast<RectControl*>(control.get()))
            rect->peer_.reset();
    }
    controls_.clear();
    peer_.reset();
}

void Window::Constructor()
{
    peer_ = ActivePlatform().CreateWindowPeer(*this);
    OpenWindowList().push_back(Ref<Window>(this));
    BeginUpdate();
    try {
        CreateControls();
        Layout();
    } catch (...) {
        // A window whose making failed is never shown nor found again.
        auto& open = OpenWindowList();
        open.erase(std::remove(open.begin(), open.end(), Ref<Window>(this)), open.end());
        updates_.Abandon();
        throw;
    }
    updates_.Add(kEverything);
    EndUpdate();
}

Ref<Object> Window::New_(const ClassInfo& info)
{
    return RuntimeNewObject(info);
}

void Window::AddControl_(std::string_view name, const Ref<Control>& control)
{
    if (!control)
        RaiseNilObjectException();
    if (control->window_)
        throw InvalidArgumentException("the control \"" + std::string(control->Name()) +
                                       "\" already belongs to a window");
    control->SetName(name);
    control->window_ = this;
    controls_.push_back(control);
    if (auto* rect = dynamic_cast<RectControl*>(control.get()); rect && peer_) {
        rect->peer_ = peer_->AddControl(*rect);
        rect->Changed(kEverything);
        Changed(kTabOrder);
    }
}

void Window::RemoveControl_(const Ref<Control>& control)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    if (focused_ == control.get())
        focused_ = nullptr;
    if (auto* rect = dynamic_cast<RectControl*>(control.get()))
        rect->peer_.reset();
    control->window_ = nullptr;
    controls_.erase(it);
}

Ref<MenuBar> Window::GetMenuBar() const { return menuBar_; }

void Window::SetMenuBar(const Ref<MenuBar>& bar)
{
    menuBar_ = bar;
    Changed(kMenuBar);
}

void Window::SetTitle(std::string_view title)
{
    title_ = title;
    Changed(kText);
}

void Window::SetVisible(bool visible)
{
    visible_ = visible;
    Changed(kVisible);
}

bool Window::IsOpen() const
{
    const auto& open = OpenWindowList();
    return std::any_of(open.begin(), open.end(), [&](const Ref<Window>& w) { return w.get() == this; });
}

void Window::Close()
{
    Ref<Window> keep(this); // the list may hold the last reference
    auto& open = OpenWindowList();
    const auto it = std::find(open.begin(), open.end(), keep);
    if (it == open.end())
        return;
    open.erase(it);
    visible_ = false;
    Changed(kVisible);
    if (open.empty())
        RuntimeQuit();
}

void Window::UserResized(std::int32_t width, std::int32_t height)
{
    width_ = width;
    height_ = height;
}

void Window::Changed(Aspects aspects)
{
    if (const Aspects now = updates_.Add(aspects); now && peer_)
        peer_->Sync(now);
}

void Window::EndUpdate()
{
    if (const Aspects now = updates_.End(); now && peer_)
        peer_->Sync(now);
}

void Window::ControlFocused(RectControl* control) { focused_ = control; }

void Window::ControlCannotFocus(RectControl* control)
{
    if (focused_ == control)
        focused_ = nullptr;
}

Ref<Window> GetImplicitWindow_(std::string_view qualifiedName)
{
    for (const Ref<Window>& window : OpenWindowList())
        if (window->Class().Name() == qualifiedName)
            return window;
    return nullptr;
}

Ref<Control> RuntimeWindowControlByName(const Ref<Window>& window, std::string_view name)
{
    if (!window || seam::ShouldFail("RuntimeWindowControlByName", name))
        return nullptr;
    for (const Ref<Control>& control : window->Controls())
        if (SameIdentifier(control->Name(), name))
            return control;
    return nullptr;
}

std::vector<Ref<Window>> OpenWindows() { return OpenWindowList(); }

} // namespace fw
