#include "framework/Application.h"

namespace fw {

const ClassInfo& Application::Lookup_()
{
    return DescribeOnce([] {
        return ClassDeclaration{
            .name = "Application",
            .base = &ObjectClass(),
            .operations =
                {
                    {"NewDocument", "", ""},
                    {"OpenDocument", "FolderItem", ""},
                    {"DoEvents", "Int32", ""},
                    {"_AddMenuHandler", "String, Ptr", ""},
                    {"_AddPollableObject", "_Pollable", ""},
                    {"_RemovePollableObject", "_Pollable", ""},
                    {"AddTrayItem", "TrayItem", ""},
                    {"RemoveTrayItem", "TrayItem", ""},
                    {"YieldToNextThread", "", ""},
                    {"SleepCurrentThread", "Int32", ""},
                    {"_DoSingleEvent", "Boolean", ""},
                    {"_EnableMenuItems", "MenuItem()", ""},
                    {"_CallOpen", "", ""},
                    {"_HandleMenuCommand", "MenuItem", "Boolean"},
                    {"_LoadPictureFromBundle", "String", "Picture"},
                    {"_LoadBundleSound", "String", "Sound"},
                    {"__DependencyList", "", ""},
                },
            .events = {"Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument", "HandleAppleEvent",
                       "Activate", "Deactivate", "UnhandledException", "CancelClose"},
            .attributes = {{"__Scope", "Public"}},
        };
    });
}

} // namespace fw
