#include "ActionTable.h"

#include "PlugInUtils.h"
#include "dialogs/EditActionParams.h"
#include "display/DisplayActions.h"
#include "texts/EditionTexts.h"

namespace glimmerbox {

const std::array<ActionRow, 7> kActionTable = {{
    {0, 0, 0, {ParamKindNone, 0}, nullptr},
    {1, 1, 2, {ParamKindText, ParamKindVariable}, &CreateAction},
    {0, 0, 0, {ParamKindNone, 0}, nullptr},
    {3, 1, 2, {ParamKindText, ParamKindText}, &SetTextAction},
    {4, 1, 2, {ParamKindText, ParamKindText}, &FontColorAction},
    {5, 1, 2, {ParamKindText, ParamKindText}, &ScrollAction},
    {6, 1, 2, {ParamKindText, ParamKindText}, &ScrollDelayAction},
}};

static_assert(kActionTable.size() == kActionRowCount, "one text row per table row");

namespace {

const ActionRow* FindActionRow(int32_t id) {
    if (id == 0)
        return nullptr;
    for (const ActionRow& row : kActionTable)
        if (row.id == id)
            return &row;
    return nullptr;
}

} // namespace

void RegisterActionTable() {
    for (size_t i = 0; i < kActionTable.size(); ++i) {
        const ActionRow& row = kActionTable[i];
        const ActionRowTexts& texts = kEdition.actionRows[i];
        // The host may keep the kinds only during the call: hand it a
        // temporary, rewritten for every row.
        uint8_t kinds[2] = {row.kinds[0], row.kinds[1]};
        AddAction(row.id, texts.name, texts.description, kinds, row.kindsLast, row.count);
    }
}

bool ExecAction(int32_t id, HostString* params) {
    const ActionRow* row = FindActionRow(id);
    if (row == nullptr || params == nullptr)
        return false;
    const std::string value = HostStringText(params[1]);
    const std::string objectName = HostStringText(params[0]);
    return row->handler(objectName, value);
}

bool EditAction(int32_t id, HostString* params) {
    if (FindActionRow(id) == nullptr || params == nullptr)
        return false;
    return EditActionParams(params[0], params[1]);
}

} // namespace glimmerbox
