// The plug-in's two groups and five actions, and the routing of executed and
// edited actions to their handlers.
#pragma once

#include "HostString.h"

#include <array>
#include <cstdint>
#include <string>

namespace glimmerbox {

// A run-time handler: (object name, value) -> done.
using ActionHandler = bool (*)(const std::string& objectName, const std::string& value);

struct ActionRow {
    int32_t id;            // 0 heads a group
    int32_t kindsLast;     // index of the kinds array's last element
    int32_t count;         // number of parameters
    uint8_t kinds[2];      // parameter kinds; a group row passes one 0
    ActionHandler handler; // null on group rows
};

// Rows in registration order; names and descriptions come from the edition.
extern const std::array<ActionRow, 7> kActionTable;

// Registers every row through the host's AddAction, in table order.
void RegisterActionTable();

// Routes an executed action; ids without an action row answer false without
// reading the parameter array.
bool ExecAction(int32_t id, HostString* params);

// Routes an edited action to the action properties dialog.
bool EditAction(int32_t id, HostString* params);

} // namespace glimmerbox
