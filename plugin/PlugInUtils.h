// The values the host hands over, and helpers to call the host safely.
#pragma once

#include "HostInterface.h"
#include "HostString.h"

#include <string>

namespace glimmerbox {

// Stored by the registration entry points; all null while the library is new.
extern int32_t HostValue;
extern AddActionFn AddAction;
extern int32_t RegisterValue2;
extern int32_t RegisterValue3;
extern SetVariableFn SetVariable;
extern InterfaceAccessFn InterfaceAccess;
extern void* ScriptProcessor;
extern void* StreamAccess;

// Sets a host variable; does nothing when the host gave no SetVariable.
void SetHostVariable(const char* name, const std::string& value);

// Makes a request through InterfaceAccess (which must be present) and reports
// whether it answered true (only the lowest byte counts).
bool RequestFromHost(HostRequest request, HostString& text);

} // namespace glimmerbox
