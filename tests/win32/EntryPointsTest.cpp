// The plug-in's nine entry points, loaded from the built DLL of each edition
// through the stand-in host.
#include "HostFunctions.h"
#include "StandInHost.h"
#include "support/StackBalance.h"
#include "support/TestPaths.h"
#include "support/WindowCloser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using standin::StandInHost;
using testing_support::PlugInPath;

// Texts in this file are UTF-8; the plug-in's are in its edition's code page.
std::string InCodePage(const std::string& utf8, UINT codePage) {
    return standin::Narrow(standin::Widen(utf8, CP_UTF8), codePage);
}

struct ExpectedRow {
    int32_t id;
    const char* name;
    const char* description;
    std::vector<uint8_t> kinds;
    int32_t count;
};

struct Edition {
    const wchar_t* name;
    UINT codePage;
    const char* hint;
    std::vector<ExpectedRow> rows;
};

const Edition kEnglish{
    L"en",
    1252,
    "PlugIn to add LED DISPLAYS.",
    {
        {0, "Basic Options", "Basic Functions", {0}, 0},
        {1,
         "GlimmerboxCreate",
         "Attach a plugin to an existing NeoBook Rectangle object. Rectangle, Variable",
         {1, 6},
         2},
        {0, "Text", "Text Functions", {0}, 0},
        {3, "GlimmerboxSetText", "Set Text. Parameters: Rectangle, Text", {1, 1}, 2},
        {4,
         "GlimmerboxFontColor",
         "Set Color for Font. Parameters: Rectangle, RRRGGGBBB format",
         {1, 1},
         2},
        {5, "GlimmerboxScroll", "Scroll 0 OFF 1 ON. Parameters: Rectangle, Value", {1, 1}, 2},
        {6,
         "GlimmerboxScrollDelay",
         "In Msecs. Example, 100, 200. Parameters: Rectangle, Value",
         {1, 1},
         2},
    },
};

const Edition kRussian{
    L"ru",
    1251,
    "Создать светодиодный экран.",
    {
        {0, "Основные параметры", "Basic Functions", {0}, 0},
        {1,
         "GlimmerboxCreate",
         "Создать светодиодный экран. Синтаксис:\"Rectangle\" \"Переменная\"              ",
         {1, 6},
         2},
        {0, "Текст", "Text Functions", {0}, 0},
        {3,
         "GlimmerboxSetText",
         "Установить текст. \nСинтаксис: \"Rectangle\" \"Текст\"",
         {1, 1},
         2},
        {4,
         "GlimmerboxFontColor",
         "Установить цвет шрифта. \nСинтаксис: \"Rectangle\" \"Цвет в формате RRRGGGBBB\"",
         {1, 1},
         2},
        {5,
         "GlimmerboxScroll",
         "1/0 = Вкл./Выкл. бегущую строку.\nСинтаксис: \"Rectangle\" \"Значение\"",
         {1, 1},
         2},
        {6,
         "GlimmerboxScrollDelay",
         "Задержка движения бегущей строки в миллисекундах. Например 100.\n.Синтаксис: "
         "\"Rectangle\" \"Значение\".",
         {1, 1},
         2},
    },
};

class EntryPointsTest : public testing::TestWithParam<const Edition*> {
protected:
    const Edition& edition() const { return *GetParam(); }
    StandInHost host{PlugInPath(GetParam()->name)};
};

TEST_P(EntryPointsTest, InitPlugInHandsOverTheIdentityTexts) {
    const auto identity = host.InitPlugIn(42);
    EXPECT_EQ(identity.title, "Glimmerbox [2011.01]");
    EXPECT_EQ(identity.publisher, "Pellander - Halvorne Software");
    EXPECT_EQ(identity.hint, InCodePage(edition().hint, edition().codePage));
    EXPECT_TRUE(host.addActionCalls.empty());
    EXPECT_TRUE(host.setVariableCalls.empty());
    EXPECT_EQ(host.LiveBlocks(), 0);
}

TEST_P(EntryPointsTest, InitPlugInReplacesBlocksTheVariablesAlreadyHold) {
    char* title = standin::HostAllocateText("old title");
    char* publisher = nullptr;
    char* hint = standin::HostAllocateText("");
    host.Entries().nbInitPlugIn(0, &title, &publisher, &hint);
    ASSERT_NE(title, nullptr);
    ASSERT_NE(publisher, nullptr);
    ASSERT_NE(hint, nullptr);
    EXPECT_STREQ(title, "Glimmerbox [2011.01]");
    // The two old blocks were freed by the plug-in; the three new ones are ours.
    EXPECT_EQ(host.heapCounts.plugInFreed, 2);
    EXPECT_EQ(host.heapCounts.plugInAllocated, 3);
    for (char** block : {&title, &publisher, &hint})
        standin::HostFreeText(*block);
}

TEST_P(EntryPointsTest, RegisterPlugInAddsTheSevenRowsByteForByte) {
    host.RegisterPlugIn();
    host.RegisterPlugIn(); // every registration adds all rows again
    const auto& rows = edition().rows;
    ASSERT_EQ(host.addActionCalls.size(), 2 * rows.size());
    for (size_t i = 0; i < host.addActionCalls.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const auto& call = host.addActionCalls[i];
        const auto& row = rows[i % rows.size()];
        EXPECT_EQ(call.id, row.id);
        EXPECT_EQ(call.name, InCodePage(row.name, edition().codePage));
        EXPECT_EQ(call.description, InCodePage(row.description, edition().codePage));
        EXPECT_EQ(call.kinds, row.kinds);
        EXPECT_EQ(call.kindsLast, static_cast<int32_t>(row.kinds.size()) - 1);
        EXPECT_EQ(call.count, row.count);
    }
    EXPECT_TRUE(host.setVariableCalls.empty());
    EXPECT_TRUE(host.interfaceCalls.empty());
}

TEST_P(EntryPointsTest, IdsWithoutAnActionRowAnswerFalseWithoutReadingParameters) {
    host.RegisterPlugIn();
    host.RegisterInterfaceAccess();
    host.ClearRecords();
    for (int32_t id : {0, 2, 7, 100, -1, INT32_MIN}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(host.Entries().nbExecAction(id, nullptr, 1), 0);
        EXPECT_EQ(host.Entries().nbEditAction(id, nullptr, 1), 0);
    }
    EXPECT_TRUE(host.setVariableCalls.empty());
    EXPECT_TRUE(host.interfaceCalls.empty());
}

TEST_P(EntryPointsTest, ActionIdsWithANullParameterArrayAnswerFalse) {
    host.RegisterPlugIn();
    host.RegisterInterfaceAccess();
    for (int32_t id : {1, 3, 4, 5, 6}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(host.Entries().nbExecAction(id, nullptr, 1), 0);
        EXPECT_EQ(host.Entries().nbEditAction(id, nullptr, 1), 0);
    }
}

TEST_P(EntryPointsTest, NullParameterElementsReadAsEmptyTexts) {
    host.RegisterPlugIn();
    char* params[2] = {nullptr, nullptr};
    EXPECT_EQ(host.Entries().nbExecAction(3, params, 1), 0);
    EXPECT_EQ(host.Variable("[GlimmerboxLastError]"),
              "There is no control attached to an object named .");
    EXPECT_EQ(params[0], nullptr);
    EXPECT_EQ(params[1], nullptr);
}

TEST_P(EntryPointsTest, MessagesOtherThanTwoAndRepeatedTwosChangeNothing) {
    host.RegisterPlugIn();
    host.RegisterInterfaceAccess();
    host.ClearRecords();
    for (int32_t code : {0, 1, 3, -2, 2, 2})
        host.Message(code);
    EXPECT_TRUE(host.setVariableCalls.empty());
    EXPECT_TRUE(host.interfaceCalls.empty());
    EXPECT_TRUE(host.addActionCalls.empty());
}

TEST_P(EntryPointsTest, RegisteringNoInterfaceAccessMakesItAbsentAgain) {
    host.RegisterPlugIn();
    host.AddObject("Rectangle1", 10, 10, 200, 30);
    host.RegisterInterfaceAccess(true);
    host.RegisterInterfaceAccess(false);
    EXPECT_FALSE(host.ExecAction(1, "Rectangle1", "[Led1]"));
    EXPECT_TRUE(host.interfaceCalls.empty());
    EXPECT_EQ(host.Variable("[LastError]"), "This function requires NeoBook 4.0.9 or higher.");
}

TEST_P(EntryPointsTest, EveryEntryPointPopsExactlyItsArguments) {
    using testing_support::StackImbalanceAfterCall;
    const auto& entries = host.Entries();
    char* title = nullptr;
    char* publisher = nullptr;
    char* hint = nullptr;
    auto address = [](auto pointer) {
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
    };
    auto entry = [](auto function) { return reinterpret_cast<const void*>(function); };

    EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbMessage), {5}), 0);
    EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbRegisterStreamAccess), {0}), 0);
    EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbRegisterScriptProcessor), {0}), 0);
    EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbRegisterInterfaceAccess),
                                      {address(&standin::HostInterfaceAccess)}),
              0);
    EXPECT_EQ(StackImbalanceAfterCall(
                  entry(entries.nbRegisterPlugIn),
                  {address(&standin::HostAddAction), 7, 8, address(&standin::HostSetVariable)}),
              0);
    EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbInitPlugIn),
                                      {1, address(&title), address(&publisher), address(&hint)}),
              0);
    EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbExecAction), {0, 0, 1}), 0);
    EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbEditAction), {0, 0, 1}), 0);
    {
        testing_support::WindowCloser closer(L"About");
        testing_support::WindowCloser closerRu(standin::Widen("О плагине", CP_UTF8));
        EXPECT_EQ(StackImbalanceAfterCall(entry(entries.nbAbout), {}), 0);
    }
    for (char** block : {&title, &publisher, &hint})
        standin::HostFreeText(*block);
}

TEST_P(EntryPointsTest, UnloadingAfterUseLeavesNoBlockBehind) {
    host.InitPlugIn();
    host.RegisterPlugIn();
    host.RegisterInterfaceAccess();
    host.ExecAction(3, "Nothing", "text");
    host.Unload();
    EXPECT_EQ(host.LiveBlocks(), 0);
}

INSTANTIATE_TEST_SUITE_P(Editions, EntryPointsTest, testing::Values(&kEnglish, &kRussian),
                         [](const auto& param) {
                             return std::string(param.param->name[0] == L'e' ? "English"
                                                                             : "Russian");
                         });

} // namespace
