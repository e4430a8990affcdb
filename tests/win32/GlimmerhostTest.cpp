// glimmerhost run as a program, the way an author runs it: its action log,
// its exit codes and messages for bad input, the frames of its headless mode
// and its dialog screenshots.
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text)
        narrow += static_cast<char>(c);
    return narrow;
}

struct RunResult {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

// Reads a pipe to its end on a thread of its own.
class PipeReader {
public:
    explicit PipeReader(HANDLE pipe)
        : worker_([this, pipe] {
              char buffer[4096];
              DWORD read = 0;
              while (::ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr) && read > 0)
                  text_.append(buffer, read);
              ::CloseHandle(pipe);
          }) {}
    std::string Finish() {
        worker_.join();
        return text_;
    }

private:
    std::string text_;
    std::thread worker_;
};

std::wstring QuoteArgument(const std::wstring& argument) {
    return L"\"" + argument + L"\"";
}

// Runs glimmerhost with `arguments`; ends it if it runs longer than a minute.
RunResult RunGlimmerhost(const std::vector<std::wstring>& arguments) {
    std::wstring commandLine = QuoteArgument(Widen(GLIMMERHOST_EXE));
    for (const auto& argument : arguments)
        commandLine += L" " + QuoteArgument(argument);

    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    EXPECT_TRUE(::CreatePipe(&outRead, &outWrite, &inherit, 0));
    EXPECT_TRUE(::CreatePipe(&errRead, &errWrite, &inherit, 0));
    ::SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, nullptr, &startup, &process);
    ::CloseHandle(outWrite);
    ::CloseHandle(errWrite);
    PipeReader out(outRead);
    PipeReader err(errRead);
    RunResult result;
    if (!started) {
        ADD_FAILURE() << "cannot start " << GLIMMERHOST_EXE << " (error " << ::GetLastError()
                      << ")";
        result.exitCode = static_cast<DWORD>(-1);
    } else {
        if (::WaitForSingleObject(process.hProcess, 60'000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "glimmerhost did not end within a minute";
            ::TerminateProcess(process.hProcess, 99);
            ::WaitForSingleObject(process.hProcess, INFINITE);
        }
        ::GetExitCodeProcess(process.hProcess, &result.exitCode);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    result.out = out.Finish();
    result.err = err.Finish();
    return result;
}

std::wstring WorkDir(const std::wstring& name) {
    const std::wstring dir = testing_support::ArtefactDir() + L"/glimmerhost-" + name;
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

std::wstring WriteDocument(const std::wstring& dir, const std::string& text) {
    const std::wstring path = dir + L"/document.glim";
    std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << text;
    return path;
}

// The calls and variable changes of a log, one entry each:
// "line 4 GlimmerboxCreate -> true" and "set [Led] = \"\"".
std::vector<std::string> Transcript(const std::string& log) {
    static const std::regex call(R"(line (\d+)  (\w+) .* -> (true|false)\r?$)");
    static const std::regex set(R"(^ +set (.*?)\r?$)");
    std::vector<std::string> entries;
    std::istringstream lines(log);
    std::string line;
    std::smatch match;
    while (std::getline(lines, line)) {
        if (std::regex_search(line, match, call))
            entries.push_back("line " + match[1].str() + " " + match[2].str() + " -> " +
                              match[3].str());
        else if (std::regex_search(line, match, set))
            entries.push_back("set " + match[1].str());
    }
    return entries;
}

TEST(Glimmerhost, RunsTheScriptAndLogsResultsAndVariables) {
    const std::wstring dir = WorkDir(L"run");
    const std::wstring document = WriteDocument(dir, "page 200 60 #000000\n"
                                                     "rectangle \"Rect\" 0 0 200 30 #000000\n"
                                                     "rectangle \"Bare\" 0 30 200 30 #000000\n"
                                                     "GlimmerboxCreate \"Rect\" \"[Led]\"\n"
                                                     "GlimmerboxSetText \"rect\" \"HELLO\"\n"
                                                     "GlimmerboxFontColor \"Rect\" \"0a0000000\"\n"
                                                     "GlimmerboxScroll \"Bare\" \"1\"\n"
                                                     "GlimmerboxCreate \"RECT\" \"[Led2]\"\n"
                                                     "wait 100\n"
                                                     "GlimmerboxScrollDelay \"Rect\" \"250 \"\n"
                                                     "GlimmerboxScroll \"Rect\" \"1\"\n");
    const RunResult run = RunGlimmerhost(
        {L"--plugin", testing_support::PlugInPath(L"en"), L"--duration", L"400", document});

    EXPECT_EQ(run.exitCode, 0u) << run.err;
    const std::vector<std::string> expected{
        "line 4 GlimmerboxCreate -> true",
        "line 5 GlimmerboxSetText -> true",
        "line 6 GlimmerboxFontColor -> false",
        "set [GlimmerboxLastError] = \"'0a0' is not a valid integer value\"",
        "line 7 GlimmerboxScroll -> false",
        "set [GlimmerboxLastError] = \"There is no control attached to an object named Bare.\"",
        "line 8 GlimmerboxCreate -> true",
        "set [Led] = \"\"", // the replaced display's variable is emptied
        "line 10 GlimmerboxScrollDelay -> false",
        "set [GlimmerboxLastError] = \"'250 ' is not a valid integer value\"",
        "line 11 GlimmerboxScroll -> true",
    };
    EXPECT_EQ(Transcript(run.out), expected) << run.out;
    // The registered actions are listed, and the document is closed at the end.
    EXPECT_NE(run.out.find("GlimmerboxScrollDelay (text, text)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("document closed (host message 2)"), std::string::npos) << run.out;
}

// Under a Russian locale the plug-in reads code page 1251: UTF-8 texts of the
// document reach it as 1251 and what it writes back is shown as UTF-8 again.
TEST(Glimmerhost, CyrillicTextsPassThroughCodePage1251) {
    if (::GetACP() != 1251)
        GTEST_SKIP() << "needs code page 1251 (LANG=ru_RU.UTF-8)";
    const std::wstring dir = WorkDir(L"cp1251");
    const std::wstring document = WriteDocument(dir, "page 200 60 #000000\n"
                                                     "rectangle \"Табло\" 0 0 200 30 #000000\n"
                                                     "rectangle \"Пусто\" 0 30 200 30 #000000\n"
                                                     "GlimmerboxCreate \"Табло\" \"[Табло]\"\n"
                                                     "GlimmerboxSetText \"Табло\" \"ПРИВЕТ\"\n"
                                                     "GlimmerboxScroll \"Пусто\" \"1\"\n"
                                                     "GlimmerboxCreate \"Табло\" \"\"\n");
    const RunResult run = RunGlimmerhost(
        {L"--plugin", testing_support::PlugInPath(L"ru"), L"--duration", L"200", document});

    EXPECT_EQ(run.exitCode, 0u) << run.err;
    const std::vector<std::string> expected{
        "line 4 GlimmerboxCreate -> true",
        "line 5 GlimmerboxSetText -> true",
        "line 6 GlimmerboxScroll -> false",
        "set [GlimmerboxLastError] = \"There is no control attached to an object named "
        "Пусто.\"",
        "line 7 GlimmerboxCreate -> true",
        "set [Табло] = \"\"",
    };
    EXPECT_EQ(Transcript(run.out), expected) << run.out;
    EXPECT_NE(run.out.find("Создать светодиодный экран."), std::string::npos) << run.out;
}

struct BadInput {
    const char* label;
    const char* document; // nullptr: no document file is written
    std::vector<std::wstring> options;
    DWORD exitCode;
    const char* message; // expected in stderr; {doc} stands for the document's path
};

class GlimmerhostBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(GlimmerhostBadInput, EndsWithAMessageAndAnExitCode) {
    const BadInput& c = GetParam();
    const std::wstring dir = WorkDir(L"bad");
    const std::wstring document =
        c.document != nullptr ? WriteDocument(dir, c.document) : dir + L"/missing.glim";
    std::vector<std::wstring> arguments = c.options;
    if (std::find(arguments.begin(), arguments.end(), L"--plugin") == arguments.end()) {
        arguments.push_back(L"--plugin");
        arguments.push_back(testing_support::PlugInPath(L"en"));
    }
    arguments.push_back(document);
    const RunResult run = RunGlimmerhost(arguments);

    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    std::string message = c.message;
    if (const auto at = message.find("{doc}"); at != std::string::npos)
        message.replace(at, 5, Narrow(document));
    EXPECT_NE(run.err.find(message), std::string::npos) << "stderr: " << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Table, GlimmerhostBadInput,
    testing::Values(BadInput{"UnknownAction",
                             "page 50 20 #000000\nrectangle \"R\" 0 0 50 20 #000000\n"
                             "GlimmerboxSetTxt \"R\" \"x\"\n",
                             {},
                             1,
                             "{doc}:3: unknown action \"GlimmerboxSetTxt\""},
                    BadInput{"MissingQuote",
                             "page 50 20 #000000\nrectangle \"R\" 0 0 50 20 #000000\n"
                             "GlimmerboxSetText \"R\" \"x\n",
                             {},
                             1,
                             "{doc}:3: missing closing double quote"},
                    BadInput{"WrongParameterCount",
                             "page 50 20 #000000\nrectangle \"R\" 0 0 50 20 #000000\n"
                             "GlimmerboxScroll \"R\"\n",
                             {},
                             1,
                             "{doc}:3: GlimmerboxScroll needs 2 parameters"},
                    BadInput{"UnknownObject",
                             "page 50 20 #000000\nrectangle \"R\" 0 0 50 20 #000000\n"
                             "GlimmerboxCreate \"Q\" \"[V]\"\n",
                             {},
                             1,
                             "{doc}:3: unknown object \"Q\""},
                    BadInput{"UnreadableFile", nullptr, {}, 1, "{doc}: cannot read the file"},
                    BadInput{"MissingPlugIn",
                             "page 50 20 #000000\n",
                             {L"--plugin", L"Z:/nonexistent/Glimmerbox.nbp"},
                             1,
                             "Z:/nonexistent/Glimmerbox.nbp: no plug-in file here"},
                    BadInput{"BadOption",
                             "page 50 20 #000000\n",
                             {L"--fps", L"0"},
                             2,
                             "--fps needs a whole number from 1 to 60"}),
    [](const testing::TestParamInfo<BadInput>& param) { return param.param.label; });

// A 24-bit BMP as written by glimmerhost, read back.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // top row first
    uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

Picture ReadBmp(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Picture picture;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0)
        return picture;
    auto read32 = [&](std::size_t at) {
        uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value =
                (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        return value;
    };
    picture.width = static_cast<int>(read32(18));
    picture.height = static_cast<int>(read32(22));
    const std::size_t offset = read32(10);
    const std::size_t stride = (static_cast<std::size_t>(picture.width) * 3 + 3) & ~std::size_t{3};
    if (bytes.size() < offset + stride * static_cast<std::size_t>(picture.height))
        return Picture{};
    for (int y = 0; y < picture.height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            picture.pixels.push_back(static_cast<unsigned char>(bytes[at]) |
                                     static_cast<unsigned char>(bytes[at + 1]) << 8 |
                                     static_cast<unsigned char>(bytes[at + 2]) << 16);
        }
    }
    return picture;
}

// The pixels of rows [top, bottom) as one text, to compare regions of frames.
std::string Region(const Picture& picture, int top, int bottom) {
    std::string region;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t pixel = picture.At(x, y);
            region.append(reinterpret_cast<const char*>(&pixel), sizeof(pixel));
        }
    return region;
}

std::size_t DistinctColours(const Picture& picture, int top, int bottom) {
    std::set<uint32_t> colours;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture.width; ++x)
            colours.insert(picture.At(x, y));
    return colours.size();
}

TEST(Glimmerhost, HeadlessFramesShowAScrollingDisplayMoving) {
    const std::wstring dir = WorkDir(L"frames");
    const std::wstring frames = dir + L"/frames";
    const std::wstring document = WriteDocument(dir, "page 120 40 #000000\n"
                                                     "rectangle \"Scroller\" 0 0 120 20 #000000\n"
                                                     "rectangle \"Still\" 0 20 120 20 #000000\n"
                                                     "GlimmerboxCreate \"Scroller\" \"[A]\"\n"
                                                     "GlimmerboxCreate \"Still\" \"[B]\"\n"
                                                     "GlimmerboxSetText \"Scroller\" \"ABC\"\n"
                                                     "GlimmerboxScrollDelay \"Scroller\" \"20\"\n"
                                                     "GlimmerboxScroll \"Scroller\" \"1\"\n"
                                                     "GlimmerboxSetText \"Still\" \"XYZ\"\n");
    const RunResult run =
        RunGlimmerhost({L"--plugin", testing_support::PlugInPath(L"en"), L"--frames", frames,
                        L"--fps", L"10", L"--duration", L"1500", document});
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("wrote 15 frames"), std::string::npos) << run.out;

    std::set<std::string> scrollerPictures;
    std::set<std::string> stillPictures;
    for (int i = 0; i < 15; ++i) {
        const std::wstring number = std::to_wstring(i);
        const Picture frame =
            ReadBmp(frames + L"/frame-" + std::wstring(4 - number.size(), L'0') + number + L".bmp");
        ASSERT_EQ(frame.width, 120) << "frame " << i;
        ASSERT_EQ(frame.height, 40) << "frame " << i;
        scrollerPictures.insert(Region(frame, 0, 20));
        stillPictures.insert(Region(frame, 20, 40));
        // The displays draw dots: the still one shows lit and unlit ones.
        EXPECT_GE(DistinctColours(frame, 20, 40), 3u) << "frame " << i;
    }
    // One step every 20 ms: nearly every frame shows the text elsewhere.
    EXPECT_GE(scrollerPictures.size(), 8u);
    EXPECT_EQ(stillPictures.size(), 1u);
}

TEST(Glimmerhost, CapturesBothDialogsOfEachEdition) {
    for (const wchar_t* edition : testing_support::kEditions) {
        SCOPED_TRACE(Narrow(edition));
        const std::wstring dir = WorkDir(std::wstring(L"dialogs-") + edition);
        const std::wstring document =
            WriteDocument(dir, "page 100 40 #000000\n"
                               "rectangle \"Rectangle1\" 0 0 100 40 #000000\n"
                               "GlimmerboxSetText \"Rectangle1\" \"HELLO\"\n");
        const RunResult run = RunGlimmerhost({L"--plugin", testing_support::PlugInPath(edition),
                                              L"--screenshot-dialogs", dir, document});
        EXPECT_EQ(run.exitCode, 0u) << run.out << run.err;
        // Each picture holds the client area the layout gives and the frame around it.
        const Picture properties = ReadBmp(dir + L"/properties.bmp");
        EXPECT_GT(properties.width, 433);
        EXPECT_GT(properties.height, 175);
        const Picture about = ReadBmp(dir + L"/about.bmp");
        EXPECT_GT(about.width, 337);
        EXPECT_GT(about.height, 156);
        // The properties dialog was cancelled: the script line stays as it was.
        EXPECT_NE(run.out.find("properties     line 3 GlimmerboxSetText -> false"),
                  std::string::npos)
            << run.out;
    }
}

} // namespace
