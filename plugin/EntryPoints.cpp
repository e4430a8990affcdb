// The nine entry points the host calls. They are thin: identity and
// registration are handled here, everything else is routed on. No exception
// ever leaves one of them.
#include "ActionTable.h"
#include "PlugInUtils.h"
#include "dialogs/AboutBox.h"
#include "display/DisplayList.h"
#include "texts/EditionTexts.h"

#include <cstdint>

// Exported under their plain names and ordinals by Glimmerbox.def.
#define GLIMMERBOX_EXPORT extern "C"

namespace glimmerbox {
namespace {

constexpr int32_t kMessageCloseDocument = 2;

// Runs `body`, swallowing every exception.
template <typename Body> void Guarded(Body body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

// Runs `body`, answering `onFailure` when it throws.
template <typename Body, typename Result> Result Guarded(Body body, Result onFailure) noexcept {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

uint8_t AsHostBoolean(bool value) {
    return value ? 1 : 0;
}

} // namespace
} // namespace glimmerbox

using namespace glimmerbox;

GLIMMERBOX_EXPORT void __stdcall nbAbout() {
    Guarded([] { ShowAboutBox(); });
}

GLIMMERBOX_EXPORT void __stdcall nbMessage(int32_t code) {
    Guarded([code] {
        if (code == kMessageCloseDocument)
            DestroyAllDisplays();
    });
}

GLIMMERBOX_EXPORT void __stdcall nbRegisterStreamAccess(void* streamAccess) {
    StreamAccess = streamAccess;
}

GLIMMERBOX_EXPORT void __stdcall nbRegisterInterfaceAccess(InterfaceAccessFn interfaceAccess) {
    InterfaceAccess = interfaceAccess;
}

GLIMMERBOX_EXPORT void __stdcall nbRegisterScriptProcessor(void* scriptProcessor) {
    ScriptProcessor = scriptProcessor;
}

GLIMMERBOX_EXPORT void __stdcall nbRegisterPlugIn(AddActionFn addAction, int32_t value2,
                                                  int32_t value3, SetVariableFn setVariable) {
    AddAction = addAction;
    RegisterValue2 = value2;
    RegisterValue3 = value3;
    SetVariable = setVariable;
    Guarded([] {
        if (AddAction != nullptr)
            RegisterActionTable();
    });
}

GLIMMERBOX_EXPORT void __stdcall nbInitPlugIn(int32_t hostValue, HostString* title,
                                              HostString* publisher, HostString* hint) {
    HostValue = hostValue;
    Guarded([=] {
        const struct {
            HostString* variable;
            const char* text;
        } identity[] = {
            {title, PlugInTitle}, {publisher, PlugInPublisher}, {hint, kEdition.plugInHint}};
        for (const auto& item : identity)
            if (item.variable != nullptr)
                AssignHostString(*item.variable, item.text);
    });
}

GLIMMERBOX_EXPORT uint8_t __stdcall nbExecAction(int32_t id, HostString* params,
                                                 int32_t /*lastIndex*/) {
    return Guarded([=] { return AsHostBoolean(ExecAction(id, params)); }, uint8_t{0});
}

GLIMMERBOX_EXPORT uint8_t __stdcall nbEditAction(int32_t id, HostString* params,
                                                 int32_t /*lastIndex*/) {
    return Guarded([=] { return AsHostBoolean(EditAction(id, params)); }, uint8_t{0});
}
