// A stand-in host with one edition's plug-in loaded and registered and one
// rectangle object "Rect" of 239 x 27 pixels. The host window stays hidden
// (showing a top-level window costs seconds under Wine without a window
// manager); what the displays draw is read through WM_PRINTCLIENT.
#pragma once

#include "PlugInActionIds.h"
#include "StandInHost.h"
#include "support/PixelCapture.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace display_tests {

inline constexpr wchar_t kFormClass[] = L"GlimmerboxLedForm";
inline constexpr wchar_t kLedClass[] = L"GlimmerboxLedDisplay";

using ActionId = standin::PlugInActionId;
using standin::kCreate;
using standin::kFontColor;
using standin::kScroll;
using standin::kScrollDelay;
using standin::kSetText;

class DisplayFixture : public testing::TestWithParam<const wchar_t*> {
protected:
    DisplayFixture() : host(testing_support::PlugInPath(GetParam())) {
        host.RegisterPlugIn();
        host.RegisterInterfaceAccess();
        rect = host.AddObject("Rect", 10, 10, 239, 27);
    }

    bool Exec(ActionId id, const std::string& objectName, const std::string& value) {
        return host.ExecAction(id, objectName, value);
    }
    // The display form inside an object window, and the LED control inside it.
    static HWND Form(HWND object) { return testing_support::ChildOfClass(object, kFormClass); }
    static HWND Led(HWND object) {
        HWND form = Form(object);
        return form != nullptr ? testing_support::ChildOfClass(form, kLedClass) : nullptr;
    }
    static int CountForms(HWND object) {
        int forms = 0;
        for (HWND child = ::GetWindow(object, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            wchar_t name[64] = {};
            ::GetClassNameW(child, name, 64);
            forms += std::wstring(name) == kFormClass ? 1 : 0;
        }
        return forms;
    }
    std::string Var(const std::string& name) const {
        return host.Variable(name).value_or("<unset>");
    }
    std::string LastError() const { return Var("[LastError]"); }
    std::string DisplayError() const { return Var("[GlimmerboxLastError]"); }
    // The colour of the lit dots: with the 239 x 27 layout the first dot of
    // the first column of "LED DISPLAY" (the stem of L) sits at (0, 3).
    uint32_t LitPixel() const { return testing_support::CaptureClient(Led(rect)).At(0, 3); }

    standin::StandInHost host;
    HWND rect = nullptr;
};

inline const wchar_t* const kBothEditions[] = {L"en", L"ru"};

inline std::string EditionName(const testing::TestParamInfo<const wchar_t*>& info) {
    return std::wstring(info.param) == L"en" ? "English" : "Russian";
}

} // namespace display_tests
