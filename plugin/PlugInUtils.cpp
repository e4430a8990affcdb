#include "PlugInUtils.h"

namespace glimmerbox {

int32_t HostValue = 0;
AddActionFn AddAction = nullptr;
int32_t RegisterValue2 = 0;
int32_t RegisterValue3 = 0;
SetVariableFn SetVariable = nullptr;
InterfaceAccessFn InterfaceAccess = nullptr;
void* ScriptProcessor = nullptr;
void* StreamAccess = nullptr;

void SetHostVariable(const char* name, const std::string& value) {
    if (SetVariable != nullptr)
        SetVariable(name, value.c_str());
}

bool RequestFromHost(HostRequest request, HostString& text) {
    return (InterfaceAccess(request, &text) & 0xFF) != 0;
}

} // namespace glimmerbox
