// The module handle of the code that registers our window classes and loads
// our resources: the DLL itself, or the executable when the code is linked
// into a test program.
#pragma once

#include <windows.h>

namespace glimmerbox {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

} // namespace glimmerbox
