// Placeholder: the action properties dialog is not built yet.
#include "EditActionParams.h"

namespace glimmerbox {

bool EditActionParams(HostString&, HostString&) { return false; }

} // namespace glimmerbox
