// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/paint_frames.h"

#include <QPainter>
#include <chrono>
#include <ctime>

#include "desktop/world_painter.h"

namespace orvath::bench {

std::vector<DisplayList> RecordAnimation(const Setting& base) {
    constexpr int kStepsPerFrame = 17;
    constexpr int kLastTime = 5000;
    std::vector<DisplayList> frames;
    for (int time = 0;; time = std::min(time + kStepsPerFrame, kLastTime)) {
        Setting setting = base;
        setting.time = time;
        DisplayList& list = frames.emplace_back();
        const Scene scene = PrepareScene(setting, list);
        Redraw(setting, scene, list);
        if (time == kLastTime) {
            return frames;
        }
    }
}

QFont PrintFont() {
    QFont font("Times New Roman");
    font.setPointSizeF(8.25);
    return font;
}

namespace {

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

PaintTime PaintInto(QImage& image, const DisplayList& picture, const QFont& font,
                    const Zoom& zoom) {
    const auto started = std::chrono::steady_clock::now();
    const double cpuStarted = ThreadCpuMs();
    {
        QPainter painter(&image);
        PaintDisplayList(picture, painter, image.size(), font, {}, Theme::Classic, zoom);
    }
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count(),
            ThreadCpuMs() - cpuStarted};
}

}  // namespace orvath::bench
