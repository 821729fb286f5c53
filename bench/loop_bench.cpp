// What one display frame of the loops costs on the offscreen window.
//
//   QT_QPA_PLATFORM="offscreen:configfile=tests/offscreen-screen.json" build/bench/loop_bench
//
// OscillationFrame/100 and /200: a frame of a free oscillation, 1/60 s after the last: the
// step (model, plates, fields, markers, dials, bars, graph) and the repaint of what it
// changed, at scene scale 1 and 2 (the screen file makes the offscreen screen large enough for
// scale 2). steps_per_s is the headroom: how many such frames the machine could take a second.
// DrawingOnly: the window drawing frames made up here, with the same repaint, without the
// lesson model. CoilFieldOnly/100 and /200: the coil field's figures rasterised
// every step, without a window. ChargingFrame: a frame of a fast charge. After the runs, the
// resident memory before and after a 600 s scripted run.
//
// What the running program costs the machine, with the X server, is measured on a real
// display by bench/cpu_under_xvfb.py.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "animation/colours.h"
#include "animation/current_markers.h"
#include "animation/plates.h"
#include "app/form21.h"
#include "fields/coil_field.h"
#include "fields/field_tables.h"
#include "instruments/dials.h"
#include "platform/clock.h"
#include "platform/colours.h"
#include "platform/placement.h"
#include "platform/surface.h"
#include "platform/twips.h"

namespace {

struct Bench {
    platform::ScriptedClock clock;
    platform::ScriptedStepQueue steps;
    app::Form21 window{&clock, &steps};
    // Shown on the offscreen screen, so every step's dirty rectangles are painted as on a display.
    Bench() { window.show(); }  // at the scene scale set before it is made

    void Step(double dt)
    {
        clock.Advance(dt);
        steps.RunOne();
    }
};

void ChargeAndStart(Bench& b)
{
    b.window.imgPow0->Click();
    for (int i = 0; i < 300; ++i)
        b.Step(0.01);
    b.window.imgKey0->Click();
    b.Step(0.01);
    b.window.imgOn1->Click();
}

double ResidentMegabytes()
{
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> parts = f.readAll().split(' ');
    return parts.size() > 1 ? parts[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

constexpr double kFrame = 1.0 / 60;  // s: a step per frame of a 60 Hz display

// Frames one after the other find the machine's caches warm. A display's frames come 16 ms
// apart, and the X server and everything else run in between: with `coldCaches` a buffer
// larger than the caches is walked before each frame, untimed, to leave them as that does.
void OscillationFrames(benchmark::State& st, bool coldCaches)
{
    // The scene scale in hundredths: 100 is the natural size, 200 a 4K screen at 200 %.
    platform::SetSceneScale(st.range(0) / 100.0);
    Bench b;
    ChargeAndStart(b);
    std::vector<double> times;
    constexpr std::size_t kCacheLine = 64;                   // bytes
    std::vector<char> elsewhere(coldCaches ? 64 << 20 : 0);  // 64 MB: more than any cache here
    for (auto _ : st) {
        if (coldCaches) {
            st.PauseTiming();
            for (std::size_t i = 0; i < elsewhere.size(); i += kCacheLine)
                ++elsewhere[i];
            st.ResumeTiming();
        }
        const auto start = std::chrono::steady_clock::now();
        b.Step(kFrame);
        QCoreApplication::processEvents();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    st.counters["p50_ms"] = times[times.size() / 2];
    st.counters["p99_ms"] = times[times.size() * 99 / 100];
    st.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(st.iterations()),
                                                    benchmark::Counter::kIsRate);
    platform::SetSceneScale(1.0);
}
void OscillationFrame(benchmark::State& st) { OscillationFrames(st, false); }
void OscillationFrameColdCaches(benchmark::State& st) { OscillationFrames(st, true); }
BENCHMARK(OscillationFrame)->Arg(100)->Arg(200)->MinTime(2.0);
BENCHMARK(OscillationFrameColdCaches)->Arg(100)->Arg(200)->MinTime(2.0);
// The same frames, a fixed 10 s of them: two programs compared under callgrind do the same work.
BENCHMARK(OscillationFrame)->Name("OscillationFrames600")->Arg(100)->Arg(200)->Iterations(600);

void DrawingOnly(benchmark::State& st)
{
    Bench b;
    ChargeAndStart(b);
    app::Form21& w = b.window;
    double t = 0;
    int previous = 0;
    for (auto _ : st) {
        t += kFrame;
        const int q = static_cast<int>(255 * std::abs(std::cos(3.14 * t)));
        const int c = static_cast<int>(255 * std::abs(std::sin(3.14 * t)));
        lesson::Frame f;
        f.run = lesson::RunState::Oscillating;
        f.voltmeterDegrees = 60.0 * q / 255;
        f.ammeterDegrees = 60.0 * c / 255;
        f.plateCharge = q;
        f.pairIndex = q / 24;
        f.fieldLines = q / 35;
        f.wireLevel = c;
        f.coilFieldLevel = c / 60;
        f.current = -std::sin(3.14 * t);
        f.previousGroup = previous;
        f.markerGroup = previous = std::clamp(21 - static_cast<int>(std::floor(-q / 12.0)), 0, 43);
        f.clockAngle = -3.14 * t;
        f.electricBarWidth = 15;
        w.DrawFrame(f);
        QCoreApplication::processEvents();
    }
    st.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(st.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(DrawingOnly)->MinTime(2.0);

void CoilFieldOnly(benchmark::State& st)
{
    // The coil field of a step on a window-sized drawing, without the window, rasterised at
    // once as if every step were shown: what the figures alone cost at a scene scale.
    const double scale = st.range(0) / 100.0;
    platform::Surface window(QSize(platform::kSceneWidthTwips, platform::kSceneHeightTwips),
                             platform::WindowBackground());
    window.SetMapping({scale, 1.0});
    double t = 0;
    for (auto _ : st) {
        t += 0.004;
        const int c = static_cast<int>(255 * std::abs(std::sin(3.14 * t)));
        const double current = -std::sin(3.14 * t);
        fields::DrawCoilField(window, animation::CoilFieldColour(c, platform::WindowBackground()), c / 60, current);
        benchmark::DoNotOptimize(window.Layer().constBits());
    }
    st.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(st.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(CoilFieldOnly)->Arg(100)->Arg(200);

void ChargingFrame(benchmark::State& st)
{
    Bench b;
    b.window.imgPow0->Click();
    for (auto _ : st) {
        b.Step(kFrame);
        QCoreApplication::processEvents();
    }
    st.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(st.iterations()),
                                                    benchmark::Counter::kIsRate);
}
BENCHMARK(ChargingFrame)->MinTime(2.0);

void LongRunMemory(benchmark::State& st)
{
    // Each step is followed by the window's events, as in the running program: the repaints
    // that pile up unanswered in a loop without events are not the program's memory.
    for (auto _ : st) {
        Bench b;
        auto step = [&](double dt) {
            b.Step(dt);
            QCoreApplication::processEvents();
        };
        ChargeAndStart(b);
        for (int i = 0; i < 600; ++i)
            step(kFrame);
        const double before = ResidentMegabytes();
        while (b.window.LoopActive())
            step(kFrame);  // to the end of the 600 s run
        const double after = ResidentMegabytes();
        std::vector<double> runs;
        for (int run = 0; run < 3; ++run) {
            ChargeAndStart(b);
            while (b.window.LoopActive())
                step(kFrame);  // three more whole runs, one after another
            runs.push_back(ResidentMegabytes());
        }
        st.counters["rss_after_10s_MB"] = before;
        st.counters["rss_after_600s_MB"] = after;
        st.counters["rss_after_run2_MB"] = runs[0];
        st.counters["rss_after_run4_MB"] = runs[2];
    }
}
BENCHMARK(LongRunMemory)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app::PrepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
