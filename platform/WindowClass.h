// Private window classes of this module.
#pragma once

#include <windows.h>

namespace glimmerbox {

// Registers `windowClass` (with its hInstance) unless a class of that name is
// registered for the module already, and answers the class's atom. Throws
// EOutOfResources naming the class when the system refuses it.
ATOM RegisterPrivateClass(const WNDCLASSEXW& windowClass);

} // namespace glimmerbox
