// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "bench/paint_frames.h"
#include "desktop/fonts.h"
#include "desktop/orvath_window.h"
#include "panel/animation_stats.h"

namespace orvath::bench {
namespace {

struct Size {
    int width;
    int height;
};

// Paints the frames of an animation one after another, round and round; the
// counters give the median and the worst frame.
void PaintAnimation(benchmark::State& run, const Setting& setting, Size size, Zoom zoom) {
    const std::vector<DisplayList> frames = RecordAnimation(setting);
    QImage image(size.width, size.height, QImage::Format_RGB32);
    const QFont font = PrintFont();
    // Warms the glyph cache and the painter's first-use set-up.
    PaintInto(image, frames.front(), font, zoom);
    std::vector<double> wall;
    std::vector<double> cpu;
    std::size_t next = 0;
    for (auto _ : run) {
        const PaintTime time = PaintInto(image, frames[next], font, zoom);
        wall.push_back(time.wallMs);
        cpu.push_back(time.cpuMs);
        next = (next + 1) % frames.size();
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    run.counters["frames"] = static_cast<double>(frames.size());
    run.counters["median_ms"] = wall[wall.size() / 2];
    run.counters["worst_ms"] = wall.back();
    run.counters["cpu_median_ms"] = cpu[cpu.size() / 2];
    run.counters["cpu_worst_ms"] = cpu.back();
}

// Start-up of the window as main does it, up to the end of its first paint.
void StartUpToFirstPicture(benchmark::State& run) {
    for (auto _ : run) {
        AnimationStats stats;
        OrvathWindow form(WindowWiring{.stats = &stats});
        form.StartUp({QRect(0, 0, kClientWidth, kClientHeight), 15});
        QElapsedTimer waited;
        waited.start();
        while (stats.Figures().firstPictureMs < 0 && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        const double ms = stats.Figures().firstPictureMs;
        if (ms < 0) {
            run.SkipWithError("the window painted nothing within 5 s");
            return;
        }
        run.SetIterationTime(ms / 1000);
    }
}

// One timer tick through the form, as the window delivers it: the time bar
// moves one step, its handler clears, rewrites the label and redraws. The
// paint that follows at the display's pace is not part of it.
void TimerTick(benchmark::State& run, DisplayMode mode) {
    OrvathWindow form;
    form.StartUp({QRect(0, 0, kClientWidth, kClientHeight), 15});
    form.Click(mode == DisplayMode::Continuous ? Button::Continuous : Button::Wavelets);
    form.MoveBar(Bar::Waves, 39);
    QCoreApplication::processEvents();
    int time = 0;
    for (auto _ : run) {
        time = time >= 5000 ? 0 : time + 1;
        form.MoveBar(Bar::Time, time);
    }
}

// One move of a mouse that turns the incident rays, through the window's
// hands, bar and handlers, with the screen-reader texts and the information
// box that follow a change of the angle; the paint is not part of it.
void DragRay(benchmark::State& run, DisplayMode mode) {
    OrvathWindow form;
    form.StartUp({QRect(0, 0, kClientWidth, kClientHeight), 15});
    form.AddDesktopFeatures();
    form.Click(mode == DisplayMode::Continuous ? Button::Continuous : Button::Wavelets);
    form.MoveBar(Bar::Waves, 39);
    QCoreApplication::processEvents();
    PictureHands& hands = form.Hands();
    const Panel& panel = form.Model();
    const RayFan fan = RaysShown(panel.CurrentScene(), panel.Mode(), panel.CurrentView());
    const double foot = fan.feet[fan.feet.size() / 2];
    const ScreenMapping mapping = hands.Mapping();
    hands.Press(0, mapping.X(foot - 60 * fan.sinIncident), mapping.Y(60 * fan.cosIncident),
                PointerKind::Mouse);
    int angle = 25;
    for (auto _ : run) {
        angle = angle >= 80 ? 10 : angle + 1;
        const double theta = angle * std::numbers::pi / 180;
        hands.Move(0, mapping.X(foot - 60 * std::sin(theta)), mapping.Y(60 * std::cos(theta)));
    }
    if (panel.Bars().angle != angle) {
        run.SkipWithError("the drag did not turn the rays");
    }
}

std::string ModeName(DisplayMode mode) {
    return mode == DisplayMode::Continuous ? "continuous" : "wavelets";
}

// Paints one picture over and over.
void PaintPicture(benchmark::State& run, const Setting& setting, Size size) {
    DisplayList picture;
    const Scene scene = PrepareScene(setting, picture);
    Redraw(setting, scene, picture);
    QImage image(size.width, size.height, QImage::Format_RGB32);
    const QFont font = PrintFont();
    PaintInto(image, picture, font);
    for (auto _ : run) {
        PaintInto(image, picture, font);
    }
    run.counters["ops"] = static_cast<double>(picture.Ops().size());
}

// Twenty circles of radius 1500 whose tops cross the view and twenty rays at
// 89 degrees reaching 57 view heights, in one pen: what must cost no more
// than its visible part.
void PaintFarOutside(benchmark::State& run, LineStyle style, int width) {
    DisplayList picture;
    PrepareScene({}, picture);
    Surface& surface = picture;
    surface.DrawStyle(style);
    surface.DrawWidth(width);
    const double angle = 89 * std::numbers::pi / 180;
    const double reach = 57 * 200.0;
    for (int i = 0; i < 20; ++i) {
        const auto x = static_cast<float>(-10 * i);
        surface.Circle(x - 150, -1400, 1500, 0, static_cast<float>(2 * std::numbers::pi));
        surface.Line(x, 0, static_cast<float>(x - reach * std::sin(angle)),
                     static_cast<float>(-reach * std::cos(angle)));
    }
    QImage image(kClientWidth, kClientHeight, QImage::Format_RGB32);
    const QFont font = PrintFont();
    PaintInto(image, picture, font);
    for (auto _ : run) {
        PaintInto(image, picture, font);
    }
}

void RegisterPaintBenchmarks() {
    struct Case {
        std::string name;
        Setting setting;
    };
    // The design values, and the slowest settings that orvath_paint_scan
    // found for each mode (docs/performance.md).
    const std::vector<Case> animations = {
        {"wavelets/design", {.mode = DisplayMode::Wavelets}},
        {"continuous/design", {.mode = DisplayMode::Continuous}},
        {"wavelets/worst", {DisplayMode::Wavelets, 84, 100, 39, 0}},
        {"continuous/worst", {DisplayMode::Continuous, 60, 150, 39, 0}},
        {"exact/wavelets", {DisplayMode::Wavelets, 25, 50, 39, 0, true}},
        {"exact/continuous", {DisplayMode::Continuous, 25, 50, 39, 0, true}},
    };
    const std::vector<Case> pictures = {
        {"wavelets/worst", {DisplayMode::Wavelets, 84, 100, 39, 4750}},
        {"continuous/worst", {DisplayMode::Continuous, 60, 150, 39, 500}},
    };
    for (const Size size : {Size{1920, 1080}, Size{3840, 2160}}) {
        const std::string pixels = std::to_string(size.width) + "x" + std::to_string(size.height);
        for (const Case& c : animations) {
            const auto frames =
                static_cast<benchmark::IterationCount>(RecordAnimation(c.setting).size());
            benchmark::RegisterBenchmark(("BM_PaintAnimation/" + c.name + "/" + pixels).c_str(),
                                         PaintAnimation, c.setting, size, Zoom{})
                ->Iterations(2 * frames)
                ->Unit(benchmark::kMillisecond);
        }
        for (const Case& c : pictures) {
            benchmark::RegisterBenchmark(("BM_PaintPicture/" + c.name + "/" + pixels).c_str(),
                                         PaintPicture, c.setting, size)
                ->Unit(benchmark::kMillisecond);
        }
    }
    // How painting grows with the number of waves and with time, at the
    // design angle and index on a 1920x1080 area.
    for (const DisplayMode mode : {DisplayMode::Wavelets, DisplayMode::Continuous}) {
        const auto add = [mode](int waves, int time) {
            const Setting s{mode, 25, 50, waves, time};
            benchmark::RegisterBenchmark(("BM_PaintGrowth/" + Name(s)).c_str(), PaintPicture, s,
                                         Size{1920, 1080})
                ->Unit(benchmark::kMillisecond);
        };
        for (const int waves : {5, 10, 20, 39}) {
            add(waves, 5000);
        }
        for (const int time : {0, 1000, 2000, 3000, 4000}) {
            add(39, time);
        }
    }
    for (const auto& [styleName, style] :
         {std::pair{"solid", LineStyle::Solid}, std::pair{"dashed", LineStyle::Dashed},
          std::pair{"dotted", LineStyle::Dotted}}) {
        for (const int width : {1, 3}) {
            const std::string name =
                std::string("BM_PaintFarOutside/") + styleName + "/width:" + std::to_string(width);
            benchmark::RegisterBenchmark(name.c_str(), PaintFarOutside, style, width)
                ->Unit(benchmark::kMillisecond);
        }
    }
    for (const DisplayMode mode : {DisplayMode::Wavelets, DisplayMode::Continuous}) {
        benchmark::RegisterBenchmark(("BM_TimerTick/" + ModeName(mode) + "/waves:39").c_str(),
                                     TimerTick, mode)
            ->Unit(benchmark::kMicrosecond);
    }
    // Zoomed into the boundary, and into the upper left where the rays and
    // wavelets are densest, at 1920x1080 (the frame is 355.6 x 200 world units).
    for (const Case& c : animations) {
        for (const auto& [place, zoom] :
             {std::pair{"zoom:3", Zoom{3, -177.8, 0}}, std::pair{"zoom:8", Zoom{8, -150, 0}},
              std::pair{"zoom:8/upper-left", Zoom{8, -330, 85}}}) {
            const auto frames =
                static_cast<benchmark::IterationCount>(RecordAnimation(c.setting).size());
            benchmark::RegisterBenchmark(
                ("BM_PaintAnimation/" + c.name + "/1920x1080/" + place).c_str(), PaintAnimation,
                c.setting, Size{1920, 1080}, zoom)
                ->Iterations(2 * frames)
                ->Unit(benchmark::kMillisecond);
        }
    }
    for (const DisplayMode mode : {DisplayMode::Wavelets, DisplayMode::Continuous}) {
        benchmark::RegisterBenchmark(("BM_DragRay/" + ModeName(mode) + "/waves:39").c_str(),
                                     DragRay, mode)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("BM_StartUpToFirstPicture", StartUpToFirstPicture)
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace orvath::bench

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    orvath::InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    orvath::bench::RegisterPaintBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
