#include "drill/Prodotina.h"

#include "app/NilSafe.h"
#include "framework/Field.h"

#include <vector>

namespace Prodotina {

namespace {

constexpr std::string_view kClassName = "Prodotina.Prodotina";

fw::MemberInfo Method(std::string_view name, std::string_view result = {})
{
    return {name, "", result, {{"__Scope", "Public"}}};
}

fw::MemberInfo ControlMember(std::string_view name, std::string_view controlClass)
{
    return {name, "String", controlClass, {{"__Scope", "Public"}}};
}

} // namespace

const fw::ClassInfo& Prodotina::Lookup_()
{
    return fw::DescribeOnce([] {
        return fw::ClassDeclaration{
            .name = kClassName,
            .base = &fw::Window::Lookup_(),
            .create = []() -> fw::Object* { return new Prodotina(); },
            .operations =
                {
                    {"Layout", "", ""},
                    {"CreateControls", "", ""},
                    {"_CreateControls0", "", ""},
                    {"PushButton1_Action", "", ""},
                    {"PushButton2_Action", "", ""},
                    {"PushButton3_Action", "", ""},
                    {"EditMenu", "", "MenuItem"},
                    {"EditSelectAll", "", "MenuItem"},
                    {"UntitledMenu0", "", "MenuItem"},
                    {"EditClear", "", "MenuItem"},
                    {"EditPaste", "", "MenuItem"},
                    {"EditCopy", "", "MenuItem"},
                    {"EditCut", "", "MenuItem"},
                    {"UntitledMenu1", "", "MenuItem"},
                    {"EditUndo", "", "MenuItem"},
                    {"FileMenu", "", "MenuItem"},
                    {"FileQuit", "", "QuitMenuItem"},
                    {"calcola", "", ""},
                },
            .members =
                {
                    Method("Layout"),
                    Method("CreateControls"),
                    {"_CreateControls0", "", "", {{"__Scope", "Public"}, {"Hidden", ""}}},
                    ControlMember("EditField1", "EditField"),
                    ControlMember("StaticText1", "StaticText"),
                    ControlMember("StaticText2", "StaticText"),
                    ControlMember("StaticText3", "StaticText"),
                    ControlMember("StaticText4", "StaticText"),
                    ControlMember("PushButton1", "PushButton"),
                    ControlMember("PushButton2", "PushButton"),
                    ControlMember("StaticText5", "StaticText"),
                    ControlMember("StaticText6", "StaticText"),
                    ControlMember("StaticText7", "StaticText"),
                    ControlMember("StaticText8", "StaticText"),
                    ControlMember("PushButton3", "PushButton"),
                    Method("PushButton1_Action"),
                    Method("PushButton2_Action"),
                    Method("PushButton3_Action"),
                    Method("EditMenu", "MenuItem"),
                    Method("EditSelectAll", "MenuItem"),
                    Method("UntitledMenu0", "MenuItem"),
                    Method("EditClear", "MenuItem"),
                    Method("EditPaste", "MenuItem"),
                    Method("EditCopy", "MenuItem"),
                    Method("EditCut", "MenuItem"),
                    Method("UntitledMenu1", "MenuItem"),
                    Method("EditUndo", "MenuItem"),
                    Method("FileMenu", "MenuItem"),
                    Method("FileQuit", "QuitMenuItem"),
                    Method("calcola"),
                },
            .properties =
                {
                    fw::Field<&Prodotina::valore1, 0>("valore1"),
                    fw::Field<&Prodotina::contatore1, 0>("contatore1"),
                    fw::Field<&Prodotina::contatore2, 0>("contatore2"),
                    fw::Field<&Prodotina::valore2, 0>("valore2"),
                },
            .handledEvents = {"Layout", "CreateControls"},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

fw::Ref<Prodotina> Instance()
{
    fw::Ref<fw::Window> window = fw::GetImplicitWindow_(kClassName);
    if (!window) {
        window = fw::RuntimeNewObject<Prodotina>();
        RequireObject(window).Constructor();
    }
    return fw::RuntimeCheckCast<Prodotina>(window);
}

} // namespace Prodotina
