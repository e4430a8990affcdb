// Placeholder: the display list is not built yet.
#include "DisplayList.h"

namespace glimmerbox {

void DestroyAllDisplays() {}
void ReleaseDisplaysAtUnload() {}

} // namespace glimmerbox
