// A seeded random driver of the real plug-in through the stand-in host:
// thousands of actions over twenty object names (creates and replacements
// under names differing in case, texts of every byte value and up to 1 MB,
// colours and delays in valid and invalid spellings, scrolling switched on
// and off with short delays while messages are pumped), host message 2
// cycles among them, and object windows destroyed by the host at random.
//
// Every result and error text is checked against a small model of what the
// plug-in must answer. At checkpoints and at the end it counts the plug-in's
// live windows, its GDI objects and the global-heap blocks nobody freed, and
// it ends with the line
//   soak: N actions, W windows, G GDI objects, B blocks leaked
// exiting non-zero when any of W, G, B is not 0 or any answer was wrong.
//
//   Soak.exe --plugin <path> [--actions N] [--cycles M] [--seed S]
//            [--checkpoints K] [--max-text BYTES]
#include "PlugInActionIds.h"
#include "PlugInCensus.h"
#include "ReferenceIntegerText.h"
#include "StandInHost.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using standin::StandInHost;

using namespace standin; // the action ids
constexpr int kObjects = 20;
constexpr char kLastError[] = "[LastError]";
constexpr char kDisplayError[] = "[GlimmerboxLastError]";
constexpr char kUntouched[] = "<untouched>";

struct Options {
    std::wstring plugIn;
    long actions = 1500;
    long cycles = -1; // message-2 cycles; default: a tenth of the actions
    unsigned seed = 20110101;
    int checkpoints = 10;
    size_t maxText = 1 << 20;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        const wchar_t* value = argv[i + 1];
        if (name == L"--plugin")
            options.plugIn = value;
        else if (name == L"--actions")
            options.actions = std::wcstol(value, nullptr, 10);
        else if (name == L"--cycles")
            options.cycles = std::wcstol(value, nullptr, 10);
        else if (name == L"--seed")
            options.seed = static_cast<unsigned>(std::wcstoul(value, nullptr, 10));
        else if (name == L"--checkpoints")
            options.checkpoints = static_cast<int>(std::wcstol(value, nullptr, 10));
        else if (name == L"--max-text")
            options.maxText = std::wcstoul(value, nullptr, 10);
        else
            return false;
    }
    if (options.cycles < 0)
        options.cycles = options.actions / 10;
    return !options.plugIn.empty() && options.actions > 0 && options.checkpoints > 0 &&
           options.cycles <= options.actions;
}

// What the plug-in must be holding for one object, as far as we can tell.
struct ObjectState {
    bool listed = false;    // a display is in the plug-in's list
    bool hasWindow = false; // and its window still exists
    std::string variable;   // the variable named at its creation
};

class Soak {
public:
    explicit Soak(const Options& options)
        : options_(options), rng_(options.seed), host_(options.plugIn), gdi_(host_.Module()),
          heap_(host_.Module()) {
        host_.ShowHostWindow(820, 260);
        for (int i = 0; i < kObjects; ++i)
            AddObject(i);
        host_.InitPlugIn();
        host_.RegisterPlugIn();
        host_.RegisterInterfaceAccess();
        // The handle of an object window the host has since destroyed.
        staleHandle_ =
            std::to_string(reinterpret_cast<uintptr_t>(host_.AddObject("Stale", 0, 0, 10, 10)));
        host_.DestroyObject("Stale");
        // A first display, a failure and host message 2 let the plug-in and
        // its runtime make whatever they keep for good (the font, the
        // unwinder's tables at the first exception), so that what it holds
        // afterwards is the baseline of its C heap.
        host_.ExecAction(kCreate, BaseName(0), "");
        host_.ExecAction(kSetText, BaseName(0), "WARM-UP");
        host_.ExecAction(kFontColor, BaseName(0), "not valid");
        StandInHost::PumpMessages(20);
        host_.Message(2);
        heapBaseline_ = {heap_.LiveBlocks(), heap_.LiveBytes()};
    }

    int Run() {
        const auto start = std::chrono::steady_clock::now();
        std::printf("soak: %ls, seed %u, %ld actions, %ld message-2 cycles\n",
                    options_.plugIn.c_str(), options_.seed, options_.actions, options_.cycles);
        const census::GuiResources gui = census::ProcessGuiResources();
        if (!gui.Reported())
            std::printf(
                "soak: GetGuiResources answers 0 GDI and 0 USER objects here (Wine's stub); "
                "GDI objects are counted by accounting the plug-in's own GDI calls, "
                "windows by enumeration\n");

        // The message-2 cycles fall on distinct actions chosen at random, so
        // that the gaps between them (and the number of displays alive at
        // once) vary.
        std::vector<long> positions(static_cast<size_t>(options_.actions));
        for (long i = 0; i < options_.actions; ++i)
            positions[static_cast<size_t>(i)] = i + 1;
        for (size_t i = positions.size(); i > 1; --i)
            std::swap(positions[i - 1], positions[Below(static_cast<unsigned>(i))]);
        std::vector<bool> cycleAt(static_cast<size_t>(options_.actions) + 1, false);
        for (long i = 0; i < options_.cycles; ++i)
            cycleAt[static_cast<size_t>(positions[static_cast<size_t>(i)])] = true;

        const long checkpointEvery = std::max(1L, options_.actions / options_.checkpoints);
        for (long action = 1; action <= options_.actions; ++action) {
            if (cycleAt[static_cast<size_t>(action)])
                MessageTwo();
            else
                RandomAction();
            Pump(action);
            if (action % checkpointEvery == 0)
                Checkpoint(action);
        }

        // The end: the host closes the document.
        MessageTwo();
        StandInHost::PumpMessages(50);
        const census::WindowCount windows =
            census::CountPlugInWindows(host_.Module(), host_.HostWindow());
        const size_t gdi = gdi_.Live();
        const long blocks = host_.LiveBlocks();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf(
            "soak: %ld creates (%ld more failed on an injected fault), %ld texts (largest %zu "
            "bytes), %ld message-2 cycles, %ld objects destroyed by the host, %zu GDI objects "
            "created by the plug-in, %.1f s\n",
            creates_, faults_, texts_, largestText_, cyclesDone_, objectsDestroyed_, gdi_.Created(),
            seconds);
        if (gdi != 0)
            std::printf("soak: GDI objects still held: %s\n", gdi_.Describe().c_str());
        const HeapFigure heapEnd{heap_.LiveBlocks(), heap_.LiveBytes()};
        std::printf("soak: the plug-in's C heap: %zu blocks (%zu bytes) held after the warm-up, "
                    "%zu blocks (%zu bytes) at the end, %zu allocations in all\n",
                    heapBaseline_.blocks, heapBaseline_.bytes, heapEnd.blocks, heapEnd.bytes,
                    heap_.Allocations());
        if (heapEnd.blocks > heapBaseline_.blocks)
            Mismatch("the plug-in's C heap grew by " +
                     std::to_string(heapEnd.blocks - heapBaseline_.blocks) + " blocks");
        if (mismatches_ != 0)
            std::printf("soak: %ld wrong answers (the first are listed above)\n", mismatches_);
        std::printf("soak: %ld actions, %d windows, %zu GDI objects, %ld blocks leaked\n",
                    options_.actions, windows.all, gdi, blocks);
        std::fflush(stdout);
        return windows.all == 0 && gdi == 0 && blocks == 0 && mismatches_ == 0 ? 0 : 1;
    }

private:
    // --- randomness ------------------------------------------------------------------
    unsigned Below(unsigned n) { return static_cast<unsigned>(rng_() % n); }
    bool OneIn(unsigned n) { return Below(n) == 0; }
    template <typename T, size_t N> const T& PickFrom(const T (&items)[N]) {
        return items[Below(N)];
    }

    static std::string BaseName(int object) { return "Rect" + std::to_string(object); }

    // The object's name with the case of its letters chosen at random.
    std::string SomeSpelling(int object) {
        std::string name = BaseName(object);
        for (char& c : name)
            if (c >= 'a' && c <= 'z' && OneIn(2))
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z' && OneIn(2))
                c = static_cast<char>(c - 'A' + 'a');
        return name;
    }

    std::string RandomBytes(size_t length) {
        std::string text(length, '\0');
        for (char& c : text)
            c = static_cast<char>(1 + Below(255)); // every byte but 0
        return text;
    }

    std::string SomeText() {
        if (texts_ == 0) { // the first text holds every byte value once
            std::string all;
            for (int byte = 1; byte <= 255; ++byte)
                all += static_cast<char>(byte);
            return all;
        }
        const unsigned kind = Below(200);
        if (kind == 0) // now and then a very long one
            return RandomBytes(options_.maxText / 2 +
                               Below(static_cast<unsigned>(options_.maxText / 2 + 1)));
        if (kind < 50)
            return RandomBytes(41 + Below(4056));
        return RandomBytes(Below(41));
    }

    std::string SomeColour() {
        static const char* const kSpellings[] = {
            "255000000", "000255000", "000000255", " 12 34 56",  "$FF$FF$FF", "999000000",
            "-12000000", "",          "255",       "1234567890", "0x10x20x3", "0a0000000",
            "255 255 0", "abcdefghi", "1.5000000", "+10+20+30",  "$0$0$0$0",  "-1-1-1-1-",
        };
        if (OneIn(4))
            return RandomBytes(9);
        if (OneIn(4)) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%03u%03u%03u", Below(1000), Below(1000),
                          Below(1000));
            return digits;
        }
        return PickFrom(kSpellings);
    }

    std::string SomeDelay() {
        static const char* const kSpellings[] = {
            "",      "1",  "5",     "10",   "25",  "50", "0", "$10", "0x20", " 30", "+40",
            "65536", "-1", "70000", "250 ", "abc", " ",  "$", "0x",  "1e3",  "\t5", "2147483648",
        };
        return PickFrom(kSpellings);
    }

    std::string SomeSwitch() {
        static const char* const kSpellings[] = {"1",  "1",    "1",  "0",  "0",
                                                 "01", "true", " 1", "1 ", ""};
        return PickFrom(kSpellings);
    }

    // --- the host's side --------------------------------------------------------------
    void AddObject(int object) {
        host_.AddObject(BaseName(object), 10 + 200 * (object % 4), 10 + 48 * (object / 4), 190, 40,
                        RGB(40 + 10 * object, 40, 40));
    }

    void Pump(long action) {
        if (action % 50 == 0)
            StandInHost::PumpMessages(20); // long enough for short delays to tick
        else
            StandInHost::PumpMessages(Below(3));
    }

    void MessageTwo() {
        host_.Message(2);
        for (ObjectState& state : objects_)
            state.listed = state.hasWindow = false;
        ++cyclesDone_;
    }

    // --- checking answers ------------------------------------------------------------
    void Mismatch(const std::string& what) {
        if (++mismatches_ <= 10)
            std::printf("soak: WRONG: %s\n", what.substr(0, 300).c_str());
    }

    // Runs an action and checks its answer and its error variable, which is
    // reset before so that a write shows.
    void Expect(int32_t id, const std::string& name, const std::string& value, bool success,
                const std::string& error) {
        const char* variable = id == kCreate ? kLastError : kDisplayError;
        host_.SetVariableValue(variable, kUntouched);
        const bool result = host_.ExecAction(id, name, value);
        const std::string written = host_.Variable(variable).value_or("");
        const std::string expectedText = success ? std::string(kUntouched) : error;
        if (result != success || written != expectedText)
            Mismatch("action " + std::to_string(id) + " on " + name + " with \"" +
                     value.substr(0, 40) + "\": answered " + (result ? "true" : "false") + ", " +
                     variable + " = \"" + written + "\", expected \"" + expectedText + "\"");
        if (host_.LiveBlocks() != 0)
            Mismatch("action " + std::to_string(id) + " left " +
                     std::to_string(host_.LiveBlocks()) + " blocks behind");
    }

    static std::string NoControl(const std::string& name) {
        return "There is no control attached to an object named " + name + ".";
    }

    // The first piece of a colour that is not an integer text, if any.
    static std::string ColourError(const std::string& colour) {
        const std::string value = colour.size() == 9 ? colour : "255255000";
        for (size_t piece = 0; piece < 9; piece += 3) {
            const reference::Reading reading = reference::ReadInteger(value.substr(piece, 3));
            if (!reading.value)
                return reading.message;
        }
        return {};
    }

    static std::string DelayError(const std::string& delay) {
        return reference::ReadInteger(delay.empty() ? "100" : delay).message;
    }

    // Now and then a create meets a fault: the heap refuses its block, the
    // system refuses one of the display's two windows, or the host answers
    // the window request with something unusable. Answers the error the
    // create must report, or nothing when no fault was set up.
    std::string InjectCreateFault(const std::string& name) {
        switch (Below(48)) {
        case 0:
            host_.FailGlobalAllocs(1);
            return "Not enough memory for a text of " + std::to_string(name.size()) + " bytes";
        case 1:
            host_.FailWindowCreations(1);
            return "Cannot create the display window (system error 8)";
        case 2:
            host_.FailWindowCreations(1, 1);
            return "Cannot create the LED display window (system error 8)";
        case 3:
            host_.SetAnswer(7, {standin::RequestAnswer::Mode::Text, "0", true});
            return "An object named " + name + " does not exist.";
        case 4:
            host_.SetAnswer(7, {standin::RequestAnswer::Mode::NullText, "", true});
            return "'' is not a valid integer value";
        case 5:
            host_.SetAnswer(7, {standin::RequestAnswer::Mode::Text, "4294967296", true});
            return "'4294967296' is not a valid integer value";
        case 6:
            host_.SetAnswer(7, {standin::RequestAnswer::Mode::Text, staleHandle_, true});
            return "Cannot attach a display to the object named " + name + ": its window handle " +
                   staleHandle_ + " names no window.";
        default:
            return {};
        }
    }

    void EndCreateFault() {
        if (host_.PendingGlobalAllocFailures() != 0 || host_.PendingWindowCreationFailures() != 0)
            Mismatch("a fault set up for a create was not met");
        host_.FailGlobalAllocs(0);
        host_.FailWindowCreations(0);
        host_.SetAnswer(7, {});
    }

    void RandomAction() {
        const int object = static_cast<int>(Below(kObjects));
        ObjectState& state = objects_[static_cast<size_t>(object)];
        const std::string name = SomeSpelling(object);
        const unsigned roll = Below(100);
        if (roll < 14) {
            const std::string variable =
                OneIn(3) ? std::string() : "[SoakVar" + std::to_string(object) + "]";
            const std::string previous = state.listed ? state.variable : std::string();
            const std::string error = InjectCreateFault(name);
            faults_ += error.empty() ? 0 : 1;
            Expect(kCreate, name, variable, error.empty(), error);
            EndCreateFault();
            if (!previous.empty() && host_.Variable(previous).value_or("") != "")
                Mismatch("the variable " + previous + " of a replaced display was not emptied");
            if (!error.empty()) {
                state = {}; // the old display went before the failure
                return;
            }
            if (!variable.empty())
                host_.SetVariableValue(variable, "live");
            state = {true, true, variable};
            ++creates_;
        } else if (roll < 16) {
            const std::string ghost = "Ghost" + std::to_string(object);
            Expect(kCreate, ghost, "", false, "An object named " + ghost + " does not exist.");
            Expect(kSetText, ghost, "boo", false, NoControl(ghost));
        } else if (roll < 36) {
            const std::string text = SomeText();
            ++texts_;
            largestText_ = std::max(largestText_, text.size());
            Expect(kSetText, name, text, state.listed, NoControl(name));
        } else if (roll < 50) {
            const std::string colour = SomeColour();
            const std::string error = state.listed ? ColourError(colour) : NoControl(name);
            Expect(kFontColor, name, colour, error.empty(), error);
        } else if (roll < 66) {
            Expect(kScroll, name, SomeSwitch(), state.listed, NoControl(name));
        } else if (roll < 82) {
            const std::string delay = SomeDelay();
            const std::string error = state.listed ? DelayError(delay) : NoControl(name);
            Expect(kScrollDelay, name, delay, error.empty(), error);
        } else if (roll < 86) {
            // The host deletes the object and makes it again: the display's
            // window goes with the old one; the display stays listed.
            host_.DestroyObject(BaseName(object));
            AddObject(object);
            state.hasWindow = false;
            ++objectsDestroyed_;
        } else if (roll < 88) {
            static const int32_t kOtherMessages[] = {0, 1, 3, 4, 7, -2, 0x102};
            host_.Message(PickFrom(kOtherMessages)); // only message 2 closes the displays
        } else {
            StandInHost::PumpMessages(1 + Below(10));
        }
    }

    void Checkpoint(long action) {
        int expected = 0;
        for (const ObjectState& state : objects_)
            expected += state.listed && state.hasWindow ? 1 : 0;
        const census::WindowCount windows =
            census::CountPlugInWindows(host_.Module(), host_.HostWindow());
        std::printf(
            "soak: checkpoint at %ld actions: %d displays shown (expected %d), %d plug-in windows, "
            "%zu GDI objects held, %ld blocks live\n",
            action, windows.displays, expected, windows.all, gdi_.Live(), host_.LiveBlocks());
        if (windows.displays != expected || windows.all != 2 * expected)
            Mismatch("checkpoint at " + std::to_string(action) + ": " +
                     std::to_string(windows.displays) + " displays and " +
                     std::to_string(windows.all) + " windows, expected " +
                     std::to_string(expected) + " and " + std::to_string(2 * expected));
        std::fflush(stdout);
    }

    Options options_;
    std::mt19937 rng_;
    StandInHost host_;
    census::GdiAccounting gdi_;
    census::CHeapAccounting heap_;
    struct HeapFigure {
        size_t blocks = 0;
        size_t bytes = 0;
    };
    HeapFigure heapBaseline_;
    ObjectState objects_[kObjects];
    long mismatches_ = 0;
    long creates_ = 0;
    long texts_ = 0;
    size_t largestText_ = 0;
    long cyclesDone_ = 0;
    long objectsDestroyed_ = 0;
    std::string staleHandle_;
    long faults_ = 0;
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: Soak --plugin <path> [--actions N] [--cycles M] [--seed S] "
                             "[--checkpoints K] [--max-text BYTES]\n");
        return 2;
    }
    try {
        Soak soak(options);
        return soak.Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "soak: %s\n", e.what());
        return 2;
    }
}
