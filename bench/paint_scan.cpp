// SPDX-License-Identifier: GPL-3.0-or-later
// Looks for the settings whose picture is slowest to paint at 1920x1080:
// paints every picture of a grid of modes, angles, indices, wave counts and
// times, times the slowest thirty again, and prints the slowest ten of each
// mode with their processor time.
#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/paint_frames.h"
#include "desktop/fonts.h"

namespace orvath::bench {
namespace {

struct Timed {
    Setting setting;
    double ms = 0;
    std::size_t ops = 0;
};

std::vector<int> Range(int from, int to, int step) {
    std::vector<int> values;
    for (int v = from; v < to; v += step) {
        values.push_back(v);
    }
    values.push_back(to);
    return values;
}

void Scan(DisplayMode mode, QImage& image, const QFont& font) {
    std::vector<Timed> timed;
    for (const int angle : Range(0, 89, 4)) {
        for (const int index : {50, 75, 100, 150, 200, 300}) {
            for (const int waves : {5, 21, 39}) {
                for (const int time : Range(0, 5000, 250)) {
                    const Setting s{mode, angle, index, waves, time};
                    DisplayList list;
                    const Scene scene = PrepareScene(s, list);
                    Redraw(s, scene, list);
                    // The faster of two paints in processor time, to keep out what
                    // other programs on the machine add.
                    const double ms = std::min(PaintInto(image, list, font).cpuMs,
                                               PaintInto(image, list, font).cpuMs);
                    timed.push_back({s, ms, list.Ops().size()});
                }
            }
        }
    }
    const auto slowestFirst = [](const Timed& a, const Timed& b) { return a.ms > b.ms; };
    std::sort(timed.begin(), timed.end(), slowestFirst);
    // The slowest few again, each the fastest of ten paints, for a steadier order.
    timed.resize(std::min<std::size_t>(30, timed.size()));
    for (Timed& t : timed) {
        DisplayList list;
        const Scene scene = PrepareScene(t.setting, list);
        Redraw(t.setting, scene, list);
        for (int i = 0; i < 10; ++i) {
            t.ms = std::min(t.ms, PaintInto(image, list, font).cpuMs);
        }
    }
    std::sort(timed.begin(), timed.end(), slowestFirst);
    for (std::size_t i = 0; i < std::min<std::size_t>(10, timed.size()); ++i) {
        std::printf("%-40s %7.2f ms %5zu ops\n", Name(timed[i].setting).c_str(), timed[i].ms,
                    timed[i].ops);
    }
}

}  // namespace
}  // namespace orvath::bench

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    orvath::InstallFontSubstitutes();
    QImage image(orvath::bench::kClientWidth, orvath::bench::kClientHeight, QImage::Format_RGB32);
    const QFont font = orvath::bench::PrintFont();
    for (const auto mode : {orvath::DisplayMode::Wavelets, orvath::DisplayMode::Continuous}) {
        orvath::bench::Scan(mode, image, font);
    }
    return 0;
}
