// Redirects a module's imports to our own functions by rewriting its import
// address table, so that a test host can watch or refuse what a loaded
// plug-in asks of the system.
#pragma once

#include <windows.h>

namespace standin {

// Points every import of `function` from `dll` in `module` at `replacement`.
// Answers how many slots were rewritten.
int PatchImport(HMODULE module, const char* dll, const char* function, const void* replacement);

} // namespace standin
