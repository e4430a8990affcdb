// The five run-time actions. Each answers true when it did its work; every
// failure is written into the action's error variable and answers false.
#pragma once

#include <string>

namespace glimmerbox {

bool CheckHostVersion();

bool CreateAction(const std::string& objectName, const std::string& variableName);
bool SetTextAction(const std::string& objectName, const std::string& text);
bool FontColorAction(const std::string& objectName, const std::string& colour);
bool ScrollAction(const std::string& objectName, const std::string& value);
bool ScrollDelayAction(const std::string& objectName, const std::string& delay);

} // namespace glimmerbox
