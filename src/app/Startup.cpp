#include "app/Startup.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "drill/Prodotina.h"
#include "framework/Application.h"
#include "framework/ClassInfo.h"
#include "framework/Control.h"
#include "framework/Delegate.h"
#include "framework/EditField.h"
#include "framework/Exceptions.h"
#include "framework/MenuItem.h"
#include "framework/PushButton.h"
#include "framework/Random.h"
#include "framework/Runtime.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

#include <exception>

void initialize()
{
    fw::ObjectClass();
    fw::Application::Lookup_();
    fw::Window::Lookup_();
    fw::Control::Lookup_();
    fw::RectControl::Lookup_();
    fw::EditField::Lookup_();
    fw::StaticText::Lookup_();
    fw::PushButton::Lookup_();
    fw::MenuItem::Lookup_();
    fw::MenuBar::Lookup_();
    fw::QuitMenuItem::Lookup_();
    fw::Random::Lookup_();
    fw::Delegate::Lookup_();

    App::ctblinit_();
    Prodotina::Prodotina::Lookup_();
    MenuBar1::MenuBar1::Lookup_();
}

void finalize()
{
    fw::ReleaseFrameworkModuleReferences();
    MenuBar1::Exit_();
}

void Main_()
{
    fw::Ref<fw::Delegate> startup;
    try {
        startup = fw::RuntimeCreateDelegate(fw::Delegate::Invoke, &Startup_, nullptr, "(  )");
        // Without a delegate there is no routine to hand on, and nothing runs.
        fw::RunFrameworkInitialization(startup ? startup->Routine() : nullptr);
        startup = nullptr;
        fw::RuntimeRun();
    } catch (...) {
        // The first exception ends the run; an exception raised by the
        // report itself goes on to the caller.
        const std::exception_ptr error = std::current_exception();
        fw::RuntimeUnhandledException(error);
        startup = nullptr;
    }
}

void Startup_()
{
    fw::RuntimeInitExternalClasses();
    fw::RuntimeAllocatePluginEntrypointsTable(0);
    InitFileTypes_();
    NewAppInstance_();
    ApplicationAddMenuHandlers_();
    MakeDefaultView_();
}

void InitFileTypes_() {}

void NewAppInstance_()
{
    fw::Ref<App> app = fw::RuntimeNewObject<App>();
    if (!app)
        fw::RaiseNilObjectException();
    {
        const fw::Ref<MenuBar1::MenuBar1> bar = MenuBar1::Instance();
        app->SetMenuBar(bar);
    }
    // The menu bar is in place before the runtime takes the object.
    fw::RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers_() {}

void MakeDefaultView_()
{
    // The runtime keeps the open window; the program holds no reference to it.
    Prodotina::Instance();
}
