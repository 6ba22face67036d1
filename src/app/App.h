#pragma once

#include "framework/Application.h"
#include "framework/ClassInfo.h"

// The application object: an Application of the class "App", with nothing of
// its own. One exists per run, registered with the runtime at start-up.
class App : public fw::Application {
public:
    // The class description, built on first use.
    static const fw::ClassInfo& Lookup_();
    // Builds the class description unless it is built already.
    static void ctblinit_();
};
