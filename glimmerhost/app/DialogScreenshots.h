// Opens each of the plug-in's dialogs without a person: captures it once it
// has been shown for a moment, then closes it as its close button would.
#pragma once

#include "HostSession.h"

#include <string>

namespace glimmerhost {

// Writes <folder>/properties.bmp (the action-properties dialog for the
// document's first action line) and <folder>/about.bmp (the About box).
// Answers false when a dialog did not appear.
bool CaptureDialogs(HostSession& session, const Document& document, const std::string& folder,
                    Log& log);

} // namespace glimmerhost
