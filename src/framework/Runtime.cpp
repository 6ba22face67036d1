#include "framework/Runtime.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Platform.h"
#include "framework/Window.h"
#include "framework/WindowList.h"

#include <cstdio>
#include <string>

namespace fw {

namespace {

struct RuntimeState {
    bool up = false;
    bool reported = false; // an unhandled exception was reported this run
    bool quitRequested = false;
    std::exception_ptr escaped; // the first exception an event handler let out
    Ref<Application> app;
    std::int32_t pluginEntries = 0;
};

RuntimeState& State()
{
    static RuntimeState state;
    return state;
}

} // namespace

std::vector<Ref<Window>>& OpenWindowList()
{
    static std::vector<Ref<Window>> windows;
    return windows;
}

void RuntimeInit()
{
    RuntimeState& state = State();
    state = RuntimeState{};
    state.up = true;
    ActivePlatform().Start();
}

bool RuntimeIsUp() { return State().up; }

void RunFrameworkInitialization(RoutineEntry startup)
{
    if (startup)
        startup();
}

void RuntimeInitExternalClasses() {}

void RuntimeAllocatePluginEntrypointsTable(std::int32_t entries)
{
    if (entries < 0)
        throw InvalidArgumentException("a plug-in table cannot have " + std::to_string(entries) + " entries");
    State().pluginEntries = entries;
}

void RuntimeRegisterAppObject(const Ref<Application>& app)
{
    if (!app)
        RaiseNilObjectException();
    State().app = app;
}

Ref<Application> RuntimeAppObject() { return State().app; }

void RuntimeRun()
{
    RuntimeState& state = State();
    // A quit asked for before the loop started (a window closed during
    // start-up, say) ends the loop at once.
    if (!state.quitRequested)
        ActivePlatform().Run();
    state.quitRequested = false;
    if (std::exception_ptr error = std::exchange(state.escaped, nullptr))
        std::rethrow_exception(error);
}

void RuntimeQuit()
{
    State().quitRequested = true;
    ActivePlatform().Quit();
}

namespace detail {
void EscapedFromEvent(std::exception_ptr error)
{
    RuntimeState& state = State();
    if (!state.escaped)
        state.escaped = error;
    RuntimeQuit();
}
} // namespace detail

void RuntimeUnhandledException(std::exception_ptr error)
{
    State().reported = true;
    const ExceptionSummary summary = Summarize(error);
    std::fprintf(stderr, "Unhandled exception: %s: %s\n", summary.className.c_str(), summary.message.c_str());
    if (State().up) {
        std::string text = "Si \xC3\xA8 verificato un errore imprevisto e il programma deve chiudersi.\n\n";
        text += summary.className;
        if (!summary.message.empty())
            text += ": " + summary.message;
        ActivePlatform().ShowMessage(text);
    }
}

void ReleaseFrameworkModuleReferences()
{
    // Release outside the list: a window's destructor must not find the list
    // half-cleared.
    std::vector<Ref<Window>> windows;
    windows.swap(OpenWindowList());
    windows.clear();
}

std::int32_t RuntimeExit()
{
    RuntimeState& state = State();
    ReleaseFrameworkModuleReferences();
    state.app = nullptr;
    state.escaped = nullptr;
    const std::int32_t status = state.reported ? 1 : 0;
    if (state.up)
        ActivePlatform().Stop();
    state.up = false;
    return status;
}

} // namespace fw
