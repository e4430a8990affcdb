// The action properties dialog confirmed with OK while the global heap
// refuses the first or the second of the two new parameter blocks: the
// answer is false, both parameters keep their blocks, the block made before
// the refusal is given back, and the next edit works.
#include "DialogDriver.h"
#include "HostFunctions.h"
#include "StandInHost.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using dialog_test::Dialog;
using dialog_test::DialogDriver;
using standin::StandInHost;

class FaultEditDialogTest : public testing::TestWithParam<const wchar_t*> {
protected:
    FaultEditDialogTest() {
        host.ShowHostWindow(400, 300);
        host.InitPlugIn();
        host.RegisterPlugIn();
        host.RegisterInterfaceAccess();
    }

    // nbEditAction on two host blocks while the dialog gets new texts and
    // OK; `refuse` is run on the driver's thread just before OK.
    bool EditWithOK(char* (&params)[2], const std::function<void()>& refuse) {
        DialogDriver driver([&](Dialog& dialog) {
            const HWND edit1 = dialog.Control(L"Edit", L"Rectangle1");
            const HWND edit2 = dialog.Control(L"Edit", L"Value1");
            if (edit1 == nullptr || edit2 == nullptr) {
                dialog.Fail("the dialog's edits were not found");
                return;
            }
            dialog.SetText(edit1, L"Rectangle2");
            dialog.SetText(edit2, L"Value2");
            refuse();
            dialog.PostKey(VK_RETURN);
            dialog.WaitClosed("Enter");
        });
        const bool result = host.Entries().nbEditAction(1, params, 1) != 0;
        driver.Finish();
        for (const std::string& failure : driver.Failures())
            ADD_FAILURE() << failure;
        EXPECT_TRUE(driver.SawDialog());
        return result;
    }

    StandInHost host{testing_support::PlugInPath(GetParam())};
};

TEST_P(FaultEditDialogTest, ARefusedParameterBlockKeepsBothParameters) {
    for (int refused = 0; refused < 2; ++refused) {
        SCOPED_TRACE(testing::Message() << "refused block " << refused);
        char* params[2] = {standin::HostAllocateText("Rectangle1"),
                           standin::HostAllocateText("Value1")};
        char* const before[2] = {params[0], params[1]};
        const long liveBlocks = host.LiveBlocks();

        EXPECT_FALSE(EditWithOK(params, [&] { host.FailGlobalAllocs(1, refused); }));
        EXPECT_EQ(host.PendingGlobalAllocFailures(), 0);
        EXPECT_EQ(params[0], before[0]);
        EXPECT_EQ(params[1], before[1]);
        EXPECT_STREQ(params[0], "Rectangle1");
        EXPECT_STREQ(params[1], "Value1");
        EXPECT_EQ(host.LiveBlocks(), liveBlocks) << "a block made before the refusal was kept";
        EXPECT_TRUE(::IsWindowEnabled(host.HostWindow()));

        // The next edit confirms normally.
        EXPECT_TRUE(EditWithOK(params, [] {}));
        EXPECT_STREQ(params[0], "Rectangle2");
        EXPECT_STREQ(params[1], "Value2");
        standin::HostFreeText(params[0]);
        standin::HostFreeText(params[1]);
        EXPECT_EQ(host.LiveBlocks(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, FaultEditDialogTest,
                         testing::ValuesIn(testing_support::kEditions),
                         [](const testing::TestParamInfo<const wchar_t*>& edition) {
                             return std::wstring(edition.param) == L"en" ? std::string("en")
                                                                         : std::string("ru");
                         });

} // namespace
