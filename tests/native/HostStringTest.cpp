// HostString helpers against a heap that counts and can refuse blocks.
#include "plugin/HostString.h"
#include "FakeHostHeap.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using glimmerbox::AssignHostString;
using glimmerbox::HostString;
using glimmerbox::ReleaseHostString;

class HostStringTest : public testing::Test {
protected:
    testing_support::FakeHostHeap heap;
};

TEST_F(HostStringTest, AssignIntoNullAllocatesLengthPlusOne) {
    HostString variable = nullptr;
    AssignHostString(variable, "HELLO");
    ASSERT_NE(variable, nullptr);
    EXPECT_STREQ(variable, "HELLO");
    EXPECT_EQ(heap.allocations, 1);
    ReleaseHostString(variable);
    EXPECT_EQ(variable, nullptr);
    EXPECT_TRUE(heap.live.empty());
}

TEST_F(HostStringTest, AssignReplacesAndFreesTheOldBlock) {
    HostString variable = nullptr;
    AssignHostString(variable, "first");
    AssignHostString(variable, "");
    EXPECT_STREQ(variable, "");
    EXPECT_EQ(heap.live.size(), 1u);
    EXPECT_EQ(heap.foreignReleases, 0);
    ReleaseHostString(variable);
}

TEST_F(HostStringTest, AssignFromItsOwnTextIsSafe) {
    HostString variable = nullptr;
    AssignHostString(variable, "same text");
    AssignHostString(variable, variable);
    EXPECT_STREQ(variable, "same text");
    ReleaseHostString(variable);
}

TEST_F(HostStringTest, TextsKeepEveryByteButTheTerminator) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    HostString variable = nullptr;
    AssignHostString(variable, all);
    EXPECT_EQ(std::string(variable), all);
    ReleaseHostString(variable);
}

TEST_F(HostStringTest, RefusedBlockThrowsAndLeavesTheVariableAlone) {
    HostString variable = nullptr;
    AssignHostString(variable, "kept");
    HostString const before = variable;
    heap.refuseNext = 1;
    EXPECT_THROW(AssignHostString(variable, "lost"), glimmerbox::EOutOfMemory);
    EXPECT_EQ(variable, before);
    EXPECT_STREQ(variable, "kept");

    HostString empty = nullptr;
    heap.refuseNext = 1;
    EXPECT_THROW(AssignHostString(empty, "x"), glimmerbox::Exception);
    EXPECT_EQ(empty, nullptr);
    ReleaseHostString(variable);
    EXPECT_TRUE(heap.live.empty());
}

TEST_F(HostStringTest, ReleaseOfNullOnlyClears) {
    HostString variable = nullptr;
    ReleaseHostString(variable);
    EXPECT_EQ(variable, nullptr);
    EXPECT_EQ(heap.releases, 0);
}

TEST_F(HostStringTest, ScopedHostStringReleasesWhatItHoldsLast) {
    {
        glimmerbox::ScopedHostString scoped;
        EXPECT_TRUE(scoped.IsNull());
        EXPECT_EQ(scoped.Text(), "");
        AssignHostString(scoped.Variable(), "a");
        AssignHostString(scoped.Variable(), "b");
        EXPECT_EQ(scoped.Text(), "b");
    }
    EXPECT_TRUE(heap.live.empty());
    EXPECT_EQ(heap.allocations, 2);
}

} // namespace
