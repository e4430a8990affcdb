// The functions the stand-in host hands to a plug-in, and the hooks it puts
// into the plug-in's import table. All reach the current StandInHost.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace standin {

int32_t __stdcall HostAddAction(int32_t id, const char* name, const char* description,
                                const uint8_t* kinds, int32_t kindsLast, int32_t count);
int32_t __stdcall HostSetVariable(const char* name, const char* value);
int32_t __stdcall HostInterfaceAccess(int32_t request, char** text);

// Rewrites the plug-in's imports of the global heap, timers and window creation.
void HookPlugInImports(HMODULE module);

// Global blocks of the host's own, counted in the current host's heapCounts.
char* HostAllocateText(const std::string& text);
void HostFreeText(char*& block);

} // namespace standin
