// Placeholder handlers: the display actions are not built yet.
#include "DisplayActions.h"

namespace glimmerbox {

bool CheckHostVersion() { return false; }
bool CreateAction(const std::string&, const std::string&) { return false; }
bool SetTextAction(const std::string&, const std::string&) { return false; }
bool FontColorAction(const std::string&, const std::string&) { return false; }
bool ScrollAction(const std::string&, const std::string&) { return false; }
bool ScrollDelayAction(const std::string&, const std::string&) { return false; }

} // namespace glimmerbox
