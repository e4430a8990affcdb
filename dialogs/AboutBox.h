// The About box, shown modally over the active window.
#pragma once

namespace glimmerbox {

void ShowAboutBox();

} // namespace glimmerbox
