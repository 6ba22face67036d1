#include "app/Startup.h"
#include "framework/Runtime.h"

// The program reads no command line and no environment.
int main()
{
    fw::RuntimeInit();
    initialize();
    Main_();
    finalize();
    return fw::RuntimeExit();
}
