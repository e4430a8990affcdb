// The host's binary interface: its calling convention and the signatures of
// the functions it hands to the plug-in.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define GLIMMERBOX_HOSTCALL __stdcall
#else
#define GLIMMERBOX_HOSTCALL
#endif

namespace glimmerbox {

using AddActionFn = int32_t(GLIMMERBOX_HOSTCALL*)(int32_t id, const char* name,
                                                  const char* description, const uint8_t* kinds,
                                                  int32_t kindsLast, int32_t count);
using SetVariableFn = int32_t(GLIMMERBOX_HOSTCALL*)(const char* name, const char* value);
using InterfaceAccessFn = int32_t(GLIMMERBOX_HOSTCALL*)(int32_t request, char** text);

// Requests answered by InterfaceAccess.
enum HostRequest : int32_t {
    RequestProbe = 6,        // text left non-null: the host is recent enough
    RequestObjectWindow = 7, // text in: an object name; out: its window handle
    RequestPickObject = 8,   // text in: the name so far; out: the chosen name
};

// Parameter kinds of the host's vocabulary used by this plug-in.
enum ParamKind : uint8_t {
    ParamKindNone = 0,
    ParamKindText = 1,
    ParamKindVariable = 6,
};

} // namespace glimmerbox
