// The loader thread: reads the program image from the executable's own tail,
// prepares the console, performs the run start and becomes execution thread 0.
#pragma once
#include <windows.h>

namespace tess {

struct App;

// Its parameter is the App.
DWORD WINAPI loader_thread(LPVOID app);

// The run start: console as current text window, caret removed, interpreter reset.
void run_start(App& app);

// The ordered shutdown, run on the window thread when the console window is destroyed.
void shutdown(App& app);

}  // namespace tess
