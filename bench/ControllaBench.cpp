// How long one press of "Controlla" takes on the headless toolkit: the whole
// handler, with its ten lookups by name, the check, the count written back as
// text and the next question drawn from a fresh generator.

#include "app/Startup.h"
#include "drill/Prodotina.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "toolkit/headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

namespace {

fw::PushButton& Button(const fw::Ref<fw::Window>& window, std::string_view name)
{
    return *fw::RuntimeCheckCast<fw::PushButton>(fw::RuntimeWindowControlByName(window, name));
}

void ControllaPress(benchmark::State& state)
{
    fw::RuntimeInit();
    initialize();
    fw::RunFrameworkInitialization(&Startup_);
    const fw::Ref<fw::Window> window = fw::GetImplicitWindow_("Prodotina.Prodotina");
    fw::headless::Click(Button(window, "PushButton1"));
    fw::PushButton& controlla = Button(window, "PushButton2");

    for (auto _ : state)
        fw::headless::Click(controlla);

    state.SetItemsProcessed(state.iterations());
    finalize();
    fw::RuntimeExit();
}
BENCHMARK(ControllaPress);
// A fixed number of presses, for counting instructions under callgrind
// (bench/instructions.sh), where run time says nothing.
BENCHMARK(ControllaPress)->Name("ControllaPress/fixed")->Iterations(10000);

} // namespace
