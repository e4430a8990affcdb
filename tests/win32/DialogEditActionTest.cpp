// The action properties dialog, shown by nbEditAction of the built DLL of
// each edition and driven from a second thread.
#include "DialogDriver.h"
#include "DialogEditions.h"
#include "DialogScreenshot.h"
#include "HostFunctions.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace dialog_test {
namespace {

using standin::HostAllocateText;
using standin::HostFreeText;
using standin::RequestAnswer;

// Two host parameter blocks, freed at the end of the test.
struct Params {
    char* blocks[2];
    Params(const char* name, const char* value)
        : blocks{name ? HostAllocateText(name) : nullptr,
                 value ? HostAllocateText(value) : nullptr} {}
    ~Params() {
        HostFreeText(blocks[0]);
        HostFreeText(blocks[1]);
    }
    Params(const Params&) = delete;
    Params& operator=(const Params&) = delete;
};

// The dialog's controls, found by what they show.
struct EditControls {
    HWND edit1, edit2, ok, cancel, speedButton;
};

class EditDialogTest : public EditionFixture {
protected:
    EditDialogTest() {
        host.InitPlugIn();
        host.RegisterPlugIn();
        host.RegisterInterfaceAccess();
        host.ClearRecords();
    }

    // Calls nbEditAction while `script` drives the dialog; answers its result.
    bool Edit(int32_t id, Params& params, const DialogDriver::Script& script,
              bool* sawDialog = nullptr) {
        DialogDriver driver(script);
        const bool result = host.Entries().nbEditAction(id, params.blocks, 1) != 0;
        driver.Finish();
        ReportDriverFailures(driver);
        if (sawDialog != nullptr)
            *sawDialog = driver.SawDialog();
        lastDialog = driver.DialogWindow();
        return result;
    }

    // Finds the controls of a dialog opened with "Rectangle1" and "Value1".
    EditControls Find(const Dialog& dialog) const {
        return {dialog.Control(L"Edit", L"Rectangle1"), dialog.Control(L"Edit", L"Value1"),
                dialog.Control(L"Button", L"OK"),
                dialog.Control(L"Button", Wide(edition.cancelCaption)),
                dialog.Control(L"", Wide(edition.hint))};
    }

    std::wstring TextOf(HWND window) const {
        wchar_t buffer[256] = {};
        ::SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer),
                              reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
        return buffer;
    }

    HWND lastDialog = nullptr;
};

// A visible top-level window of the test thread besides the host's.
struct OtherWindow {
    HWND window;
    explicit OtherWindow(bool enabled)
        : window(::CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 120,
                                   60, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr)) {
        ::EnableWindow(window, enabled);
    }
    ~OtherWindow() { ::DestroyWindow(window); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;
};

// The thread's other windows are disabled while the dialog runs; those that
// were disabled before stay so afterwards.
TEST_P(EditDialogTest, DisablesTheThreadsOtherWindowsOnlyWhileItRuns) {
    OtherWindow enabled(true), disabled(false);
    ::SetActiveWindow(host.HostWindow());
    bool enabledDuring[3] = {true, true, true};
    Params params("Rectangle1", "Value1");
    Edit(1, params, [&](Dialog& dialog) {
        const HWND windows[3] = {host.HostWindow(), enabled.window, disabled.window};
        for (int i = 0; i < 3; ++i)
            enabledDuring[i] = ::IsWindowEnabled(windows[i]) != FALSE;
        dialog.PostKey(VK_ESCAPE);
        dialog.WaitClosed("Esc");
    });
    EXPECT_FALSE(enabledDuring[0]);
    EXPECT_FALSE(enabledDuring[1]);
    EXPECT_FALSE(enabledDuring[2]);
    EXPECT_TRUE(::IsWindowEnabled(host.HostWindow()));
    EXPECT_TRUE(::IsWindowEnabled(enabled.window));
    EXPECT_FALSE(::IsWindowEnabled(disabled.window));
}

TEST_P(EditDialogTest, ShowsTheLayoutOverTheActiveWindowWhichItDisablesWhileItRuns) {
    struct Seen {
        std::wstring title;
        SIZE client{};
        RECT frame{};
        HWND owner = nullptr;
        bool hostEnabled = true;
        std::vector<ControlInfo> controls;
        HWND focus = nullptr;
        EditControls found{};
        std::wstring tooltip;
        HWND tooltipTool = nullptr;
        LOGFONTW font{};
        bool screenshot = false;
    } seen;
    Params params("Rectangle1", "Value1");
    const bool result = Edit(1, params, [&](Dialog& dialog) {
        seen.title = dialog.Title();
        seen.client = dialog.ClientSize();
        ::GetWindowRect(dialog.Window(), &seen.frame);
        seen.owner = ::GetWindow(dialog.Window(), GW_OWNER);
        seen.hostEnabled = ::IsWindowEnabled(host.HostWindow()) != FALSE;
        seen.controls = dialog.Controls();
        seen.found = Find(dialog);
        seen.focus = dialog.Focus();
        HFONT font = reinterpret_cast<HFONT>(::SendMessageW(seen.found.edit1, WM_GETFONT, 0, 0));
        ::GetObjectW(font, sizeof(seen.font), &seen.font);
        // The speed button's tooltip: a tooltip window owned by the dialog.
        for (HWND tip = ::FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr);
             tip != nullptr; tip = ::FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)) {
            if (::GetWindow(tip, GW_OWNER) != dialog.Window())
                continue;
            wchar_t text[128] = {};
            TOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.lpszText = text;
            if (::SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) {
                seen.tooltip = text;
                seen.tooltipTool = reinterpret_cast<HWND>(tool.uId);
            }
        }
        seen.screenshot =
            SaveWindowPng(dialog.Window(), testing_support::ArtefactDir() + L"/edit-dialog-" +
                                               edition.name + L".png");
        dialog.PostKey(VK_ESCAPE);
        dialog.WaitClosed("Esc");
    });

    EXPECT_FALSE(result);
    EXPECT_EQ(seen.title, L"Plugin Properties");
    EXPECT_EQ(seen.client.cx, 433);
    EXPECT_EQ(seen.client.cy, 175);
    EXPECT_NEAR((seen.frame.left + seen.frame.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((seen.frame.top + seen.frame.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(seen.owner, host.HostWindow());
    EXPECT_FALSE(seen.hostEnabled) << "the host window stays enabled under the modal dialog";
    EXPECT_TRUE(::IsWindowEnabled(host.HostWindow())) << "the host window stays disabled";
    EXPECT_FALSE(::IsWindow(lastDialog)) << "the dialog outlives its call";
    EXPECT_EQ(seen.focus, seen.found.edit1);
    EXPECT_EQ(seen.tooltip, Wide(edition.hint));
    EXPECT_EQ(seen.tooltipTool, seen.found.speedButton);
    EXPECT_EQ(seen.font.lfHeight, -11);
    EXPECT_TRUE(seen.screenshot);

    struct Expected {
        HWND window;
        const char* what;
        RECT rect; // left, top, right, bottom
    };
    const Expected placed[] = {
        {seen.found.edit1, "Edit1", {4, 26, 4 + 395, 26 + 21}},
        {seen.found.edit2, "Edit2", {66, 108, 66 + 361, 108 + 21}},
        {seen.found.ok, "OKBtn", {edition.okLeft, 139, edition.okLeft + 65, 139 + 25}},
        {seen.found.cancel,
         "CancelBtn",
         {edition.cancelLeft, 139, edition.cancelLeft + 65, 139 + 25}},
        {seen.found.speedButton, "SpeedButton1", {404, 26, 404 + 23, 26 + 22}},
    };
    for (const Expected& expected : placed) {
        SCOPED_TRACE(expected.what);
        const ControlInfo* control = nullptr;
        for (const ControlInfo& info : seen.controls)
            if (info.window == expected.window && expected.window != nullptr)
                control = &info;
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->rect.left, expected.rect.left);
        EXPECT_EQ(control->rect.top, expected.rect.top);
        EXPECT_EQ(control->rect.right, expected.rect.right);
        EXPECT_EQ(control->rect.bottom, expected.rect.bottom);
    }

    // Labels are static windows showing the edition's texts at their places.
    struct ExpectedLabel {
        const char* text;
        POINT topLeft;
        int width; // 0: sized to its text
    };
    const ExpectedLabel labels[] = {
        {edition.label1, {4, 8}, 0},
        {edition.label2, {46, 52}, 381},
        {edition.label5, {4, 112}, 0},
    };
    for (const ExpectedLabel& expected : labels) {
        SCOPED_TRACE(expected.text);
        const ControlInfo* label = nullptr;
        for (const ControlInfo& info : seen.controls)
            if (_wcsicmp(info.className.c_str(), L"Static") == 0 &&
                info.text == Wide(expected.text))
                label = &info;
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->rect.left, expected.topLeft.x);
        EXPECT_EQ(label->rect.top, expected.topLeft.y);
        if (expected.width > 0)
            EXPECT_EQ(label->rect.right - label->rect.left, expected.width);
        else
            EXPECT_GT(label->rect.right - label->rect.left, 0);
    }
}

TEST_P(EditDialogTest, TabFollowsTheTabOrderAndTheLabelAcceleratorFocusesEdit1) {
    Params params("Rectangle1", "Value1");
    Edit(1, params, [&](Dialog& dialog) {
        const EditControls found = Find(dialog);
        if (!dialog.WaitFocusOn(found.edit1, "Edit1 at the start"))
            return;
        const std::pair<HWND, const char*> tabOrder[] = {
            {found.ok, "OKBtn"},          {found.cancel, "CancelBtn"}, {found.edit2, "Edit2"},
            {found.edit1, "Edit1 again"}, {found.ok, "OKBtn"},         {found.cancel, "CancelBtn"},
            {found.edit2, "Edit2"}};
        for (const auto& [control, name] : tabOrder) {
            dialog.PostKey(VK_TAB);
            if (!dialog.WaitFocusOn(control, name))
                return;
        }
        dialog.PostAltChar(edition.label1Accelerator);
        dialog.WaitFocusOn(found.edit1, "Edit1 through the label's accelerator");
        dialog.PostKey(VK_ESCAPE);
        dialog.WaitClosed("Esc");
    });
}

// How an author ends the dialog, and whether that confirms it.
struct Ending {
    const char* name;
    bool typesNewTexts;
    std::function<void(Dialog&, const EditControls&)> end;
    bool confirms;
};

void TabTo(Dialog& dialog, HWND control) {
    for (int i = 0; i < 4 && dialog.Focus() != control; ++i) {
        const HWND before = dialog.Focus();
        dialog.PostKey(VK_TAB);
        WaitUntil([&] { return dialog.Focus() != before; });
    }
}

const Ending kEndings[] = {
    {"Enter in Edit1 without changes", false,
     [](Dialog& dialog, const EditControls&) { dialog.PostKey(VK_RETURN); }, true},
    {"Enter in Edit2", true,
     [](Dialog& dialog, const EditControls& found) {
         TabTo(dialog, found.edit2);
         dialog.PostKey(VK_RETURN);
     },
     true},
    {"OK clicked", true, [](Dialog& dialog, const EditControls& found) { dialog.Click(found.ok); },
     true},
    {"Esc", true, [](Dialog& dialog, const EditControls&) { dialog.PostKey(VK_ESCAPE); }, false},
    {"close box", true, [](Dialog& dialog, const EditControls&) { dialog.PressCloseBox(); }, false},
    {"Cancel clicked", true,
     [](Dialog& dialog, const EditControls& found) { dialog.Click(found.cancel); }, false},
};

TEST_P(EditDialogTest, OnlyOKWritesFreshBlocksAndEveryOtherEndingLeavesTheParameters) {
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        Params params("Rectangle1", "Value1");
        char* const before[2] = {params.blocks[0], params.blocks[1]};
        const long liveBlocks = host.LiveBlocks();
        const int windows = ThreadWindowCount();
        const bool result = Edit(3, params, [&](Dialog& dialog) {
            const EditControls found = Find(dialog);
            if (ending.typesNewTexts) {
                dialog.SetText(found.edit1, L"Rectangle2");
                dialog.SetText(found.edit2, L"");
            }
            ending.end(dialog, found);
            dialog.WaitClosed(ending.name);
        });
        EXPECT_EQ(result, ending.confirms);
        EXPECT_EQ(host.LiveBlocks(), liveBlocks);
        EXPECT_EQ(ThreadWindowCount(), windows) << "a window of the dialog was left behind";
        if (ending.confirms) {
            EXPECT_NE(params.blocks[0], before[0]);
            EXPECT_NE(params.blocks[1], before[1]);
            ASSERT_NE(params.blocks[0], nullptr);
            ASSERT_NE(params.blocks[1], nullptr);
            EXPECT_STREQ(params.blocks[0], ending.typesNewTexts ? "Rectangle2" : "Rectangle1");
            EXPECT_STREQ(params.blocks[1], ending.typesNewTexts ? "" : "Value1");
        } else {
            EXPECT_EQ(params.blocks[0], before[0]);
            EXPECT_EQ(params.blocks[1], before[1]);
            EXPECT_STREQ(params.blocks[0], "Rectangle1");
            EXPECT_STREQ(params.blocks[1], "Value1");
        }
    }
}

TEST_P(EditDialogTest, NullParametersShowEmptyEditsAndComeBackEmptyOnlyAfterOK) {
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "OK" : "Cancel");
        Params params(nullptr, nullptr);
        std::wstring shown[2] = {L"?", L"?"};
        const bool result = Edit(4, params, [&](Dialog& dialog) {
            HWND edits[2] = {dialog.Focus(), nullptr};
            for (const ControlInfo& control : dialog.Controls())
                if (_wcsicmp(control.className.c_str(), L"Edit") == 0 && control.window != edits[0])
                    edits[1] = control.window;
            shown[0] = TextOf(edits[0]);
            shown[1] = TextOf(edits[1]);
            dialog.PostKey(confirm ? VK_RETURN : VK_ESCAPE);
            dialog.WaitClosed("Enter or Esc");
        });
        EXPECT_EQ(shown[0], L"");
        EXPECT_EQ(shown[1], L"");
        EXPECT_EQ(result, confirm);
        if (confirm) {
            ASSERT_NE(params.blocks[0], nullptr);
            ASSERT_NE(params.blocks[1], nullptr);
            EXPECT_STREQ(params.blocks[0], "");
            EXPECT_STREQ(params.blocks[1], "");
        } else {
            EXPECT_EQ(params.blocks[0], nullptr);
            EXPECT_EQ(params.blocks[1], nullptr);
        }
    }
}

// Host texts are in the host's ANSI code page, whatever the edition's is.
TEST_P(EditDialogTest, TextsTravelInTheHostsCodePage) {
    const std::string name = HostText("Rect€1");
    Params params(name.c_str(), "Value1");
    std::wstring shown;
    const bool result = Edit(5, params, [&](Dialog& dialog) {
        const HWND edit1 = dialog.Focus();
        shown = TextOf(edit1);
        dialog.SetText(edit1, Wide("Obj€ct"));
        dialog.PostKey(VK_RETURN);
        dialog.WaitClosed("Enter");
    });
    EXPECT_TRUE(result);
    EXPECT_EQ(shown, Wide("Rect€1"));
    EXPECT_EQ(std::string(params.blocks[0]), HostText("Obj€ct"));
}

struct PickerCase {
    const char* name;
    bool interfaceAccess;
    std::optional<RequestAnswer> answer;
    std::optional<std::string> picked; // what pickObject chooses, when set
    const wchar_t* edit1After;
};

const PickerCase kPickerCases[] = {
    {"the host picks a name", true, std::nullopt, "Rectangle7", L"Rectangle7"},
    {"the host declines", true, std::nullopt, std::nullopt, L"Rectangle1"},
    {"the host answers false with a text", true,
     RequestAnswer{RequestAnswer::Mode::Text, "Ignored", false}, std::nullopt, L"Rectangle1"},
    {"the host answers an empty text", true, RequestAnswer{RequestAnswer::Mode::Text, "", true},
     std::nullopt, L""},
    {"the host answers a null text", true, RequestAnswer{RequestAnswer::Mode::NullText, "", true},
     std::nullopt, L""},
    {"no interface access", false, std::nullopt, std::nullopt, L"Rectangle1"},
};

TEST_P(EditDialogTest, TheSpeedButtonAsksTheHostsObjectPickerAndReleasesItsText) {
    for (const PickerCase& test : kPickerCases) {
        SCOPED_TRACE(test.name);
        host.RegisterInterfaceAccess(test.interfaceAccess);
        host.SetAnswer(8, test.answer.value_or(RequestAnswer{}));
        host.pickObject = nullptr;
        if (test.picked)
            host.pickObject = [&](const std::string&) { return test.picked; };
        host.ClearRecords();

        Params params("Rectangle1", "Value1");
        const long liveBlocks = host.LiveBlocks();
        std::wstring edit1After, edit2After;
        bool focusStayed = false;
        const bool result = Edit(6, params, [&](Dialog& dialog) {
            const EditControls found = Find(dialog);
            dialog.Click(found.speedButton);
            edit1After = TextOf(found.edit1);
            edit2After = TextOf(found.edit2);
            focusStayed = dialog.Focus() == found.edit1;
            dialog.PostKey(VK_ESCAPE);
            dialog.WaitClosed("Esc");
        });
        EXPECT_FALSE(result);
        EXPECT_EQ(edit1After, test.edit1After);
        EXPECT_EQ(edit2After, L"Value1");
        EXPECT_TRUE(focusStayed) << "the speed button took the focus";
        EXPECT_EQ(host.LiveBlocks(), liveBlocks) << "the picker's text was not released";
        if (test.interfaceAccess) {
            ASSERT_EQ(host.interfaceCalls.size(), 1u);
            EXPECT_EQ(host.interfaceCalls[0].request, 8);
            EXPECT_EQ(host.interfaceCalls[0].textIn, std::optional<std::string>("Rectangle1"));
        } else {
            EXPECT_TRUE(host.interfaceCalls.empty());
        }
        EXPECT_STREQ(params.blocks[0], "Rectangle1");
    }
}

TEST_P(EditDialogTest, EveryActionIdOpensTheSameDialogAndOtherIdsNone) {
    std::wstring firstTitle, firstLabel;
    for (const int32_t id : {1, 3, 4, 5, 6}) {
        SCOPED_TRACE(id);
        Params params("Rectangle1", "Value1");
        std::wstring title, label;
        bool saw = false;
        Edit(
            id, params,
            [&](Dialog& dialog) {
                title = dialog.Title();
                HWND label1 = dialog.Control(L"Static", Wide(edition.label1));
                label = label1 != nullptr ? Wide(edition.label1) : L"";
                dialog.PostKey(VK_ESCAPE);
                dialog.WaitClosed("Esc");
            },
            &saw);
        EXPECT_TRUE(saw);
        EXPECT_EQ(title, L"Plugin Properties");
        EXPECT_EQ(label, Wide(edition.label1));
    }
    for (const int32_t id : {0, 2, 7, -1}) {
        SCOPED_TRACE(id);
        Params params("Rectangle1", "Value1");
        bool saw = true;
        const bool result = Edit(
            id, params, [&](Dialog& dialog) { dialog.Fail("a dialog appeared"); }, &saw);
        EXPECT_FALSE(result);
        EXPECT_FALSE(saw);
        EXPECT_STREQ(params.blocks[0], "Rectangle1");
    }
}

TEST_P(EditDialogTest, ARefusedWindowOrBlockShowsNothingOrWritesNothing) {
    {
        SCOPED_TRACE("a control's window is refused");
        host.FailWindowCreations(1);
        Params params("Rectangle1", "Value1");
        char* const before = params.blocks[0];
        const int windows = ThreadWindowCount();
        bool saw = true;
        const bool result = Edit(
            1, params, [&](Dialog& dialog) { dialog.Fail("a dialog appeared"); }, &saw);
        EXPECT_FALSE(result);
        EXPECT_FALSE(saw);
        EXPECT_EQ(params.blocks[0], before);
        EXPECT_EQ(ThreadWindowCount(), windows) << "the half-built dialog was left behind";
        EXPECT_TRUE(::IsWindowEnabled(host.HostWindow()));
    }
    {
        SCOPED_TRACE("the new parameter block is refused");
        Params params("Rectangle1", "Value1");
        char* const before[2] = {params.blocks[0], params.blocks[1]};
        const long liveBlocks = host.LiveBlocks();
        const bool result = Edit(1, params, [&](Dialog& dialog) {
            dialog.SetText(dialog.Focus(), L"Rectangle2");
            host.FailGlobalAllocs(1);
            dialog.PostKey(VK_RETURN);
            dialog.WaitClosed("Enter");
        });
        EXPECT_FALSE(result);
        EXPECT_EQ(params.blocks[0], before[0]);
        EXPECT_EQ(params.blocks[1], before[1]);
        EXPECT_STREQ(params.blocks[0], "Rectangle1");
        EXPECT_EQ(host.LiveBlocks(), liveBlocks);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, EditDialogTest, ::testing::Values(kEnglish, kRussian),
                         EditionLabel);

} // namespace
} // namespace dialog_test
