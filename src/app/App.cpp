#include "app/App.h"

const fw::ClassInfo& App::Lookup_()
{
    return fw::DescribeOnce([] {
        return fw::ClassDeclaration{
            .name = "App",
            .base = &fw::Application::Lookup_(),
            .create = []() -> fw::Object* { return new App(); },
        };
    });
}

void App::ctblinit_() { Lookup_(); }
