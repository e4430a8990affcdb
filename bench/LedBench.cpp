// Measures, side by side in one run, what the LED display costs to draw:
//  - one frame of a 239 x 27 display (render into the off-screen DIB and
//    copy it to the window) against a plain baseline that draws every dot
//    with its own GDI Ellipse call straight into the window;
//  - one scroll tick (advance and repaint) with an 11-byte caption against a
//    1,000,000-byte caption.
// The last line of output is the summary.
#include "ledcomponent/LedPaint.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace glimmerbox::led;

constexpr int kWidth = 239;
constexpr int kHeight = 27;
constexpr int kRounds = 7;
constexpr double kRoundSeconds = 0.25;

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

// Seconds per call of `body`: the median of several rounds, each run for a
// fixed time. The candidates run in turns so that drift hits all alike.
std::vector<double> Measure(const std::vector<std::function<void()>>& bodies) {
    std::vector<std::vector<double>> perCall(bodies.size());
    for (int round = 0; round < kRounds; ++round) {
        for (size_t i = 0; i < bodies.size(); ++i) {
            long calls = 0;
            const double start = Now();
            double elapsed = 0;
            do {
                bodies[i]();
                ++calls;
                elapsed = Now() - start;
            } while (elapsed < kRoundSeconds);
            perCall[i].push_back(elapsed / static_cast<double>(calls));
        }
    }
    std::vector<double> medians;
    for (auto& samples : perCall) {
        std::sort(samples.begin(), samples.end());
        medians.push_back(samples[samples.size() / 2]);
    }
    return medians;
}

LedDisplayModel MakeModel(const std::string& caption) {
    LedDisplayModel model(1252);
    model.SetBorderOuter(LedFrameStyle::None);
    model.SetClientSize(kWidth, kHeight);
    model.SetCaption(caption);
    return model;
}

COLORREF AsColorRef(LedColor color) {
    return static_cast<COLORREF>(color);
}

// The baseline: background, then one Ellipse per dot with the brush of its state.
class PerDotPainter {
public:
    explicit PerDotPainter(const LedDisplayModel& model)
        : model_(model), back_(::CreateSolidBrush(AsColorRef(model.BackColor()))),
          on_(::CreateSolidBrush(AsColorRef(model.SegOnColor()))),
          off_(::CreateSolidBrush(AsColorRef(model.SegOffColor()))) {}
    ~PerDotPainter() {
        ::DeleteObject(back_);
        ::DeleteObject(on_);
        ::DeleteObject(off_);
    }
    void Paint(HDC dc) const {
        const LedGeometry& g = model_.Geometry();
        RECT all{0, 0, g.clientWidth, g.clientHeight};
        ::FillRect(dc, &all, back_);
        HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
        HGDIOBJ oldBrush = ::SelectObject(dc, off_);
        for (int column = 0; column < g.visibleColumns; ++column) {
            const uint8_t dots = model_.ColumnDots(column);
            const int x = g.ContentLeft() + column * g.pitch;
            for (int row = 0; row < kGlyphRows; ++row) {
                ::SelectObject(dc, ((dots >> row) & 1u) != 0 ? on_ : off_);
                const int y = g.top + row * g.pitch;
                ::Ellipse(dc, x, y, x + g.dotSize + 1, y + g.dotSize + 1);
            }
        }
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, oldPen);
        ::GdiFlush();
    }

private:
    const LedDisplayModel& model_;
    HBRUSH back_, on_, off_;
};

HWND CreateTargetWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LedBenchTarget";
    ::RegisterClassW(&wc);
    RECT frame{0, 0, kWidth, kHeight};
    ::AdjustWindowRect(&frame, WS_POPUP, FALSE);
    return ::CreateWindowExW(0, L"LedBenchTarget", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                             frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                             wc.hInstance, nullptr);
}

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&message);
}

} // namespace

int main() {
    HWND window = CreateTargetWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "cannot create the target window\n");
        return 1;
    }
    Pump();
    HDC target = ::GetDC(window);

    // One frame, our drawing against one Ellipse per dot.
    const LedDisplayModel frameModel = MakeModel("LED DISPLAY");
    DibSurface surface;
    PerDotPainter perDot(frameModel);
    const auto frame = Measure({
        [&] {
            PaintLedFrame(frameModel, surface, target);
            ::GdiFlush();
        },
        [&] { perDot.Paint(target); },
    });

    // One scroll tick: advance one column and repaint.
    LedDisplayModel shortCaption = MakeModel("HELLO WORLD");
    LedDisplayModel longCaption = MakeModel(std::string(1'000'000, 'W'));
    shortCaption.SetScrolling(true);
    longCaption.SetScrolling(true);
    DibSurface shortSurface;
    DibSurface longSurface;
    auto tick = [target](LedDisplayModel& model, DibSurface& s) {
        model.Tick();
        PaintLedFrame(model, s, target);
        ::GdiFlush();
    };
    const auto ticks = Measure({
        [&] { tick(shortCaption, shortSurface); },
        [&] { tick(longCaption, longSurface); },
    });

    // The same ticks without the copy to the window: the model and renderer alone.
    auto renderOnly = [](LedDisplayModel& model, DibSurface& s) {
        model.Tick();
        RenderLed(model, s.View());
    };
    const auto renders = Measure({
        [&] { renderOnly(shortCaption, shortSurface); },
        [&] { renderOnly(longCaption, longSurface); },
    });

    ::ReleaseDC(window, target);
    ::DestroyWindow(window);

    const double speedup = frame[1] / frame[0];
    const double tickRatio = ticks[1] / ticks[0];
    std::printf("frame 239x27, off-screen DIB + one BitBlt: %.1f us\n", frame[0] * 1e6);
    std::printf("frame 239x27, one Ellipse per dot:         %.1f us\n", frame[1] * 1e6);
    std::printf("scroll tick, 11-byte caption:              %.1f us\n", ticks[0] * 1e6);
    std::printf("scroll tick, 1,000,000-byte caption:       %.1f us\n", ticks[1] * 1e6);
    std::printf("  of which render only, 11 B / 1 MB:       %.1f us / %.1f us\n", renders[0] * 1e6,
                renders[1] * 1e6);
    std::printf("frame speedup vs per-dot drawing: %.1fx; tick cost 1 MB / 11 B caption: %.1fx\n",
                speedup, tickRatio);
    return 0;
}
