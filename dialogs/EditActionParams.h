// The action properties dialog: edits an action's object name and value in
// place and answers true when the author confirmed with OK.
#pragma once

#include "plugin/HostString.h"

namespace glimmerbox {

bool EditActionParams(HostString& objectName, HostString& value);

} // namespace glimmerbox
