// The five run-time actions. Every failure becomes a text in the action's
// error variable and the answer false; nothing ever leaves a handler as an
// exception.
#include "DisplayActions.h"

#include "DisplayList.h"
#include "DisplayTexts.h"
#include "UnitFormLed.h"
#include "platform/Exceptions.h"
#include "platform/IntegerText.h"
#include "plugin/PlugInUtils.h"

#include <algorithm>
#include <new>

namespace glimmerbox {
namespace {

constexpr char kDefaultFontColour[] = "255255000"; // yellow
constexpr char kDefaultScrollDelay[] = "100";
constexpr char kScrollOn[] = "1";
constexpr size_t kFontColourLength = 9;
constexpr size_t kColourFieldLength = 3;

void Report(const char* variable, const std::string& message) noexcept {
    try {
        SetHostVariable(variable, message);
    } catch (...) {
        // The message itself could not be built; there is nothing left to tell.
    }
}

// Runs an action, turning every exception into its error variable.
template <typename Body> bool RunAction(const char* errorVariable, Body body) noexcept {
    try {
        return body();
    } catch (const Exception& e) {
        Report(errorVariable, e.Message());
    } catch (const std::bad_alloc&) {
        Report(errorVariable, kOutOfMemoryText);
    } catch (const std::exception& e) {
        Report(errorVariable, e.what());
    } catch (...) {
        Report(errorVariable, kUnexpectedFailureText);
    }
    return false;
}

// The frame the four display actions share: find the display, act on its
// component, or report that there is none.
template <typename Act> bool WithDisplay(const std::string& objectName, Act act) noexcept {
    return RunAction(kDisplayErrorVariable, [&] {
        TNeoLedDisplay* display = DisplayAt(FindDisplay(objectName));
        if (display == nullptr) {
            Report(kDisplayErrorVariable, kNoControlPrefix + objectName + kNoControlSuffix);
            return false;
        }
        act(display->Display);
        return true;
    });
}

HWND WindowOfHandleValue(int32_t value) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<uint32_t>(value)));
}

// Asks the host for the window of an object; the text it answers is
// converted before the block is released.
HWND ObjectWindowFromHost(const std::string& objectName) {
    ScopedHostString text;
    AssignHostString(text.Variable(), objectName);
    if (InterfaceAccess != nullptr)
        RequestFromHost(RequestObjectWindow, text.Variable());
    return WindowOfHandleValue(StrToInt(text.Text()));
}

uint32_t ClampedColourField(std::string_view field) {
    return static_cast<uint32_t>(std::clamp(StrToInt(field), 0, 255));
}

} // namespace

bool CheckHostVersion() {
    if (InterfaceAccess == nullptr)
        return false;
    ScopedHostString probe;
    RequestFromHost(RequestProbe, probe.Variable());
    return !probe.IsNull();
}

bool CreateAction(const std::string& objectName, const std::string& variableName) {
    return RunAction(kCreateErrorVariable, [&] {
        if (!CheckHostVersion()) {
            Report(kCreateErrorVariable, kHostTooOldText);
            return false;
        }
        RemoveDisplay(objectName);
        const HWND objectWindow = ObjectWindowFromHost(objectName);
        if (objectWindow == nullptr) {
            Report(kCreateErrorVariable, kNoObjectPrefix + objectName + kNoObjectSuffix);
            return false;
        }
        CreateDisplayWindow(objectWindow, objectName, variableName);
        return true;
    });
}

bool SetTextAction(const std::string& objectName, const std::string& text) {
    return WithDisplay(objectName, [&](led::LedDisplay& display) { display.SetCaption(text); });
}

bool FontColorAction(const std::string& objectName, const std::string& colour) {
    return WithDisplay(objectName, [&](led::LedDisplay& display) {
        const std::string_view value = colour.size() == kFontColourLength
                                           ? std::string_view(colour)
                                           : std::string_view(kDefaultFontColour);
        const uint32_t red = ClampedColourField(value.substr(0, kColourFieldLength));
        const uint32_t green = ClampedColourField(value.substr(3, kColourFieldLength));
        const uint32_t blue = ClampedColourField(value.substr(6, kColourFieldLength));
        display.SetSegOnColor(red + 256 * green + 65536 * blue);
    });
}

bool ScrollAction(const std::string& objectName, const std::string& value) {
    return WithDisplay(objectName,
                       [&](led::LedDisplay& display) { display.SetScrolling(value == kScrollOn); });
}

bool ScrollDelayAction(const std::string& objectName, const std::string& delay) {
    return WithDisplay(objectName, [&](led::LedDisplay& display) {
        const int32_t milliseconds =
            StrToInt(delay.empty() ? std::string_view(kDefaultScrollDelay) : delay);
        display.SetScrollDelay(
            static_cast<uint16_t>(static_cast<uint32_t>(milliseconds) & 0xFFFFu));
    });
}

} // namespace glimmerbox
