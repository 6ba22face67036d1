#pragma once

#include "framework/Delegate.h"
#include "framework/Object.h"

#include <cstdint>
#include <exception>
#include <utility>

namespace fw {

class Application;

// Run control, in the order a program calls it: RuntimeInit first,
// RuntimeExit last.
void RuntimeInit();
// Initialises the framework and calls the start-up routine once; a null
// routine is not called. An exception from the routine comes back out.
void RunFrameworkInitialization(RoutineEntry startup);
void RuntimeInitExternalClasses();
void RuntimeAllocatePluginEntrypointsTable(std::int32_t entries);
// The application object of the run; the runtime keeps it until RuntimeExit.
void RuntimeRegisterAppObject(const Ref<Application>& app);
Ref<Application> RuntimeAppObject();
// The event loop; returns when the application quits. An exception that an
// event handler let out ends the loop and comes back out of here.
void RuntimeRun();
// Ends the event loop.
void RuntimeQuit();
// Reports an exception that the program did not handle: on standard error
// and, once the toolkit is up, in a message box. Then returns.
void RuntimeUnhandledException(std::exception_ptr error);
// Releases what the runtime still holds and shuts the toolkit down. The
// result is the exit status: 0 after a clean run, 1 after a run in which an
// exception was reported.
std::int32_t RuntimeExit();

// Releases the framework's own module-level references (its lists of windows
// and its reflection maps); the program's finaliser calls it.
void ReleaseFrameworkModuleReferences();

// Whether RuntimeInit has run and RuntimeExit has not.
bool RuntimeIsUp();

namespace detail {
void EscapedFromEvent(std::exception_ptr error);
}

// Runs one event's work for a toolkit. An exception that escapes it must not
// cross the toolkit's event loop: it is kept, the loop is ended, and
// RuntimeRun throws it again.
template <class Work>
void DispatchEvent(Work&& work) noexcept
{
    try {
        std::forward<Work>(work)();
    } catch (...) {
        detail::EscapedFromEvent(std::current_exception());
    }
}

} // namespace fw
