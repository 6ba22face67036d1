#pragma once

// The program's road from start to exit, in the order main takes it:
// initialize, Main_, finalize. Startup_ is the start-up callback that Main_
// hands to the framework's initialisation.

// Builds the description of every class: the framework's, then the program's.
void initialize();
// Releases the module-level references; the menu bar goes last.
void finalize();
// Runs the framework's initialisation (and with it Startup_) and the event
// loop. An exception out of either is reported once and ends the run normally.
void Main_();

// The six start-up steps.
void Startup_();
// Registers document file types: the program has none.
void InitFileTypes_();
// Creates the application object, gives it the menu bar and registers it.
void NewAppInstance_();
// Installs application-level menu handlers: the program has none.
void ApplicationAddMenuHandlers_();
// Opens the drill window.
void MakeDefaultView_();
