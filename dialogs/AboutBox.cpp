// Placeholder: the About box is not built yet.
#include "AboutBox.h"

namespace glimmerbox {

void ShowAboutBox() {}

} // namespace glimmerbox
