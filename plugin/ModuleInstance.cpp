#include "ModuleInstance.h"

namespace glimmerbox {
namespace {
HINSTANCE moduleInstance = nullptr;
}

HINSTANCE ModuleInstance() {
    return moduleInstance != nullptr ? moduleInstance : ::GetModuleHandleW(nullptr);
}

void SetModuleInstance(HINSTANCE instance) {
    moduleInstance = instance;
}

} // namespace glimmerbox
