// The library's start-up and shut-down. Start-up only remembers the module
// handle. At a FreeLibrary (not at process exit) the remaining displays are
// destroyed, because their window procedure is about to be unmapped.
#include "ModuleInstance.h"
#include "display/DisplayList.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        glimmerbox::SetModuleInstance(instance);
        ::DisableThreadLibraryCalls(instance);
        break;
    case DLL_PROCESS_DETACH:
        if (reserved == nullptr) {
            try {
                glimmerbox::ReleaseDisplaysAtUnload();
            } catch (...) {
                // Nothing may escape into the loader.
            }
        }
        break;
    default:
        break;
    }
    return TRUE;
}
