// The process-wide list of live displays, keyed by object name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

namespace glimmerbox {

class TNeoLedDisplay;

// Object names match ignoring the case of the 26 ASCII letters only, as
// whole texts.
bool SameObjectName(const std::string& a, const std::string& b);

// Index of the first display whose object name matches, or -1 (also when
// there is no list).
int32_t FindDisplay(const std::string& name);

// The display at an index FindDisplay returned; null when out of range.
TNeoLedDisplay* DisplayAt(int32_t index);

// Number of listed displays (0 when there is no list).
int32_t DisplayCount();

// Creates the list when it is absent and appends the display.
void AddDisplay(std::unique_ptr<TNeoLedDisplay> display);

// Frees the display of an object name, after emptying its host variable;
// false when there is none. Failures go to "[LastError]" and answer false.
bool RemoveDisplay(const std::string& name);

// Creates a display inside an object's window, covering its client area,
// and lists it. Throws when the handle names no window or a window cannot be
// created; nothing is listed then.
TNeoLedDisplay& CreateDisplayWindow(HWND objectWindow, const std::string& objectName,
                                    const std::string& variableName);

// Frees every display and the list itself (host message 2). Calls no host
// function.
void DestroyAllDisplays();

// Called when the library is unloaded while the process goes on: no window
// whose procedure lives in this library may outlive its code.
void ReleaseDisplaysAtUnload();

} // namespace glimmerbox
