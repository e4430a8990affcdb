// The process-wide list of live displays, keyed by object name.
#pragma once

namespace glimmerbox {

// Frees every display and the list itself (host message 2).
void DestroyAllDisplays();

// Called when the library is unloaded while the process goes on: no window
// whose procedure lives in this library may outlive its code.
void ReleaseDisplaysAtUnload();

} // namespace glimmerbox
