// What each edition's dialogs show, and a fixture that loads an edition into
// the stand-in host with its window shown and active. Texts here are UTF-8.
#pragma once

#include "StandInHost.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace dialog_test {

struct EditionCase {
    const wchar_t* name;
    // The action properties dialog.
    const char* label1;
    wchar_t label1Accelerator;
    const char* hint;
    const char* label2;
    const char* label5;
    const char* cancelCaption;
    int okLeft;
    int cancelLeft;
    // The About box.
    const char* aboutTitle;
    const char* aboutVersion;
    const char* aboutTagLine;
    POINT aboutTagLinePosition;
};

inline const EditionCase kEnglish{
    L"en",
    "&Rectangle Object to Attach Control:",
    L'r',
    "Select an Object",
    "The object specified here must be of type Rectangle. Attaching controls to other types of "
    "objects is not recommended. This action requires NeoBook version 4.0.9 or higher.",
    "Value:",
    "Cancel",
    363,
    5,
    "About",
    "Version 1.01",
    "Professional PlugIns for NeoBook",
    {133, 49},
};

inline const EditionCase kRussian{
    L"ru",
    " &Объект Прямоугольник (Rectangle):",
    L'\u043E', // the small letter o, as Alt with the Russian layout types it
    "Выбрать объект",
    "Указанный тип объекта должен быть Прямоугольник (Rectangle). Требуется версия NeoBook 4.0.9 "
    "или выше.",
    "Значение:",
    "Отменить",
    291,
    362,
    "О плагине",
    "Версия 1.01",
    "Профессиональные плагины для NeoBook",
    {108, 48},
};

inline std::wstring Wide(const std::string& utf8) {
    return standin::Widen(utf8, CP_UTF8);
}

// A text as the host holds it: in its ANSI code page.
inline std::string HostText(const std::string& utf8) {
    return standin::Narrow(Wide(utf8), CP_ACP);
}

inline std::string EditionLabel(const ::testing::TestParamInfo<EditionCase>& info) {
    return info.param.name == std::wstring(L"en") ? "English" : "Russian";
}

class EditionFixture : public ::testing::TestWithParam<EditionCase> {
protected:
    EditionFixture() { host.ShowHostWindow(320, 240); }

    const EditionCase& edition = GetParam();
    standin::StandInHost host{testing_support::PlugInPath(GetParam().name)};
};

inline BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// How many top-level windows the calling thread has, hidden ones included.
inline int ThreadWindowCount() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Reports what a driver saw go wrong as failures of the running test.
template <typename Driver> void ReportDriverFailures(const Driver& driver) {
    for (const std::string& failure : driver.Failures())
        ADD_FAILURE() << failure;
}

} // namespace dialog_test
