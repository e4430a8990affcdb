// The About box, shown by nbAbout of the built DLL of each edition and driven
// from a second thread. The host registers nothing first: nbAbout needs none
// of it.
#include "DialogDriver.h"
#include "DialogEditions.h"
#include "DialogScreenshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dialog_test {
namespace {

class AboutBoxTest : public EditionFixture {
protected:
    // Calls nbAbout while `script` drives the box; answers the box's window.
    HWND About(const DialogDriver::Script& script) {
        DialogDriver driver(script);
        host.About();
        driver.Finish();
        ReportDriverFailures(driver);
        EXPECT_TRUE(driver.SawDialog());
        return driver.DialogWindow();
    }

    void ExpectNoHostCalls() const {
        EXPECT_TRUE(host.addActionCalls.empty());
        EXPECT_TRUE(host.setVariableCalls.empty());
        EXPECT_TRUE(host.interfaceCalls.empty());
    }
};

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    HFONT handle = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    ::GetObjectW(handle, sizeof(font), &font);
    return font;
}

TEST_P(AboutBoxTest, ShowsTheLayoutOverTheActiveWindowBeforeAnyRegistration) {
    struct Seen {
        std::wstring title;
        SIZE client{};
        HWND owner = nullptr;
        bool hostEnabled = true;
        std::vector<ControlInfo> controls;
        HWND button = nullptr;
        HWND focus = nullptr;
        std::vector<LOGFONTW> labelFonts;
        bool screenshot = false;
    } seen;
    const HWND box = About([&](Dialog& dialog) {
        seen.title = dialog.Title();
        seen.client = dialog.ClientSize();
        seen.owner = ::GetWindow(dialog.Window(), GW_OWNER);
        seen.hostEnabled = ::IsWindowEnabled(host.HostWindow()) != FALSE;
        seen.controls = dialog.Controls();
        seen.button = dialog.Control(L"Button", L"OK");
        seen.focus = dialog.Focus();
        for (const ControlInfo& control : seen.controls)
            seen.labelFonts.push_back(FontOf(control.window));
        seen.screenshot =
            SaveWindowPng(dialog.Window(),
                          testing_support::ArtefactDir() + L"/about-box-" + edition.name + L".png");
        dialog.Click(seen.button);
        dialog.WaitClosed("a click on OK");
    });

    EXPECT_EQ(seen.title, Wide(edition.aboutTitle));
    EXPECT_EQ(seen.client.cx, 337);
    EXPECT_EQ(seen.client.cy, 156);
    EXPECT_EQ(seen.owner, host.HostWindow());
    EXPECT_FALSE(seen.hostEnabled) << "the host window stays enabled under the About box";
    EXPECT_TRUE(::IsWindowEnabled(host.HostWindow()));
    EXPECT_FALSE(::IsWindow(box)) << "the About box outlives its call";
    EXPECT_EQ(seen.focus, seen.button);
    EXPECT_TRUE(seen.screenshot);
    ExpectNoHostCalls();

    struct ExpectedControl {
        const char* text;
        RECT rect; // right and bottom 0: sized to its text
        LONG fontHeight;
        bool bold;
    };
    const ExpectedControl expected[] = {
        {"Glimmerbox Plugin", {131, 7, 0, 0}, -19, false},
        {edition.aboutVersion, {177, 33, 0, 0}, -11, false},
        {edition.aboutTagLine,
         {edition.aboutTagLinePosition.x, edition.aboutTagLinePosition.y, 0, 0},
         -11,
         false},
        {"Halvorne Software", {66, 117, 0, 0}, -11, true},
        {"www.halvorne-software.example", {24, 130, 0, 0}, -11, true},
        {"OK", {259, 115, 259 + 69, 115 + 32}, -11, false},
    };
    for (const ExpectedControl& item : expected) {
        SCOPED_TRACE(item.text);
        size_t index = seen.controls.size();
        for (size_t i = 0; i < seen.controls.size(); ++i)
            if (seen.controls[i].text == Wide(item.text))
                index = i;
        ASSERT_LT(index, seen.controls.size());
        const RECT& rect = seen.controls[index].rect;
        EXPECT_EQ(rect.left, item.rect.left);
        EXPECT_EQ(rect.top, item.rect.top);
        if (item.rect.right != 0) {
            EXPECT_EQ(rect.right, item.rect.right);
            EXPECT_EQ(rect.bottom, item.rect.bottom);
        }
        EXPECT_EQ(seen.labelFonts[index].lfHeight, item.fontHeight);
        EXPECT_EQ(seen.labelFonts[index].lfWeight >= FW_BOLD, item.bold);
    }
}

// Esc does nothing (the button is no cancel button); the close box and Enter
// on the focused button close it. Each showing is a window of its own that is
// gone when its call returns.
TEST_P(AboutBoxTest, EachShowingIsAFreshWindowFreedWhenItCloses) {
    struct Showing {
        const char* name;
        void (*close)(Dialog&);
    };
    const Showing showings[] = {
        {"close box", [](Dialog& dialog) { dialog.PressCloseBox(); }},
        {"Enter on OK", [](Dialog& dialog) { dialog.PostKey(VK_RETURN); }},
    };
    const long liveBlocks = host.LiveBlocks();
    const int windows = ThreadWindowCount();
    for (const Showing& showing : showings) {
        SCOPED_TRACE(showing.name);
        bool openAfterEsc = false;
        const HWND box = About([&](Dialog& dialog) {
            dialog.PostKey(VK_ESCAPE);
            std::this_thread::sleep_for(Milliseconds(300));
            openAfterEsc = dialog.IsOpen();
            showing.close(dialog);
            dialog.WaitClosed(showing.name);
        });
        EXPECT_TRUE(openAfterEsc) << "Esc closed the About box";
        EXPECT_NE(box, nullptr);
        EXPECT_FALSE(::IsWindow(box));
        EXPECT_EQ(ThreadWindowCount(), windows);
        EXPECT_TRUE(::IsWindowEnabled(host.HostWindow()));
    }
    EXPECT_EQ(host.LiveBlocks(), liveBlocks) << "the logo's block was not freed";
    ExpectNoHostCalls();
}

// The logo is decoded through a global block; without it the box still
// opens, with an empty place for the logo, and leaves nothing behind.
TEST_P(AboutBoxTest, ARefusedBlockShowsTheBoxWithoutItsLogo) {
    const long liveBlocks = host.LiveBlocks();
    host.FailGlobalAllocs(1);
    DialogDriver driver([](Dialog& dialog) {
        if (dialog.Control(L"Button", L"OK") == nullptr)
            dialog.Fail("the box has no OK button");
        dialog.PressCloseBox();
        dialog.WaitClosed("the About box without its logo");
    });
    host.About();
    driver.Finish();
    ReportDriverFailures(driver);
    EXPECT_TRUE(driver.SawDialog());
    EXPECT_EQ(host.PendingGlobalAllocFailures(), 0) << "the logo was not loaded through the heap";
    EXPECT_EQ(host.LiveBlocks(), liveBlocks);
    EXPECT_TRUE(::IsWindowEnabled(host.HostWindow()));
}

INSTANTIATE_TEST_SUITE_P(Editions, AboutBoxTest, ::testing::Values(kEnglish, kRussian),
                         EditionLabel);

} // namespace
} // namespace dialog_test
