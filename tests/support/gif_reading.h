// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gif_lib.h>

#include <QFile>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

namespace orvath::testing {

// A GIF read whole with giflib; null when it cannot be read.
using GifReading = std::unique_ptr<GifFileType, void (*)(GifFileType*)>;

inline GifReading ReadGif(const QString& path) {
    GifReading gif(DGifOpenFileName(QFile::encodeName(path).constData(), nullptr),
                   [](GifFileType* file) { DGifCloseFile(file, nullptr); });
    if (gif && DGifSlurp(gif.get()) != GIF_OK) {
        gif.reset();
    }
    return gif;
}

// What a viewer shows at each frame: every image is drawn over the last.
inline std::vector<QImage> Played(const GifFileType& gif) {
    std::vector<QImage> frames;
    QImage shown(gif.SWidth, gif.SHeight, QImage::Format_RGB32);
    for (int i = 0; i < gif.ImageCount; ++i) {
        const GifImageDesc& area = gif.SavedImages[i].ImageDesc;
        const ColorMapObject* map = area.ColorMap ? area.ColorMap : gif.SColorMap;
        for (int p = 0; p < area.Width * area.Height; ++p) {
            const GifColorType c = map->Colors[gif.SavedImages[i].RasterBits[p]];
            shown.setPixel(area.Left + p % area.Width, area.Top + p / area.Width,
                           qRgb(c.Red, c.Green, c.Blue));
        }
        frames.push_back(shown.copy());
    }
    return frames;
}

// The delay of each frame, in hundredths of a second.
inline std::vector<int> Delays(GifFileType& gif) {
    std::vector<int> delays;
    for (int i = 0; i < gif.ImageCount; ++i) {
        GraphicsControlBlock control{};
        delays.push_back(DGifSavedExtensionToGCB(&gif, i, &control) == GIF_OK ? control.DelayTime
                                                                              : -1);
    }
    return delays;
}

}  // namespace orvath::testing
