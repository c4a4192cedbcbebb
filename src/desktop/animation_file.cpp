// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/animation_file.h"

#include <gif_lib.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "desktop/frame_palette.h"
#include "desktop/whole_file.h"

namespace orvath {
namespace {

// After the first frame, a frame is only the rectangle around the pixels that
// changed since the one before; the rest of the last frame stays on show. In
// the wavelet picture that is a little under half a frame on average.

constexpr int kMaxDelay = 65535;
constexpr int kMaxSide = 65535;

// giflib writes through this into the WholeFile that is its user data.
int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* file = static_cast<WholeFile*>(gif->UserData);
    return length >= 0 && file->Write(bytes, static_cast<std::size_t>(length)) ? length : 0;
}

struct ColourMapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

bool PutLoopForever(GifFileType* gif) {
    static constexpr std::array<GifByteType, 3> kLoopCount{1, 0, 0};  // 0: for ever
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
           EGifPutExtensionBlock(gif, static_cast<int>(kLoopCount.size()), kLoopCount.data()) ==
               GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutDelay(GifFileType* gif, int delayCentiseconds) {
    const GraphicsControlBlock control{.DisposalMode = DISPOSE_DO_NOT,
                                       .UserInputFlag = false,
                                       .DelayTime = delayCentiseconds,
                                       .TransparentColor = NO_TRANSPARENT_COLOR};
    std::array<GifByteType, 4> bytes{};
    const auto length = static_cast<int>(EGifGCBToExtension(&control, bytes.data()));
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, bytes.data()) == GIF_OK;
}

// The smallest rectangle that holds every pixel in which the frames (of one
// size, Format_RGB32) differ; empty when they are the same.
QRect ChangedArea(const QImage& before, const QImage& after) {
    const auto row = [](const QImage& image, int y) {
        return reinterpret_cast<const QRgb*>(image.constScanLine(y));
    };
    const auto rowBytes = static_cast<std::size_t>(after.width()) * sizeof(QRgb);
    QRect changed;
    for (int y = 0; y < after.height(); ++y) {
        const QRgb* a = row(before, y);
        const QRgb* b = row(after, y);
        if (std::memcmp(a, b, rowBytes) == 0) {
            continue;
        }
        int left = 0;
        while (a[left] == b[left]) {
            ++left;
        }
        int right = after.width() - 1;
        while (a[right] == b[right]) {
            --right;
        }
        changed |= QRect(left, y, right - left + 1, 1);
    }
    return changed;
}

// Writes `frame` (Format_RGB32) as one image with its own palette, its top
// left corner at `at`.
bool PutImage(GifFileType* gif, const QImage& frame, QPoint at) {
    const FramePalette palette(frame);

    // A GIF palette has a power of two entries, at least 2.
    const int bits = GifBitSize(static_cast<int>(palette.Entries().size()));
    std::vector<GifColorType> entries(std::size_t{1} << bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.Entries().size(); ++i) {
        const QRgb rgb = palette.Entries()[i];
        entries[i] = {static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
                      static_cast<GifByteType>(qBlue(rgb))};
    }
    const std::unique_ptr<ColorMapObject, ColourMapFree> map(
        GifMakeMapObject(static_cast<int>(entries.size()), entries.data()));
    if (!map) {
        gif->Error = E_GIF_ERR_NOT_ENOUGH_MEM;
        return false;
    }
    if (EGifPutImageDesc(gif, at.x(), at.y(), frame.width(), frame.height(), false, map.get()) !=
        GIF_OK) {
        return false;
    }

    std::vector<GifPixelType> row(frame.width());
    // Runs of one colour are the rule: look each run up once.
    QRgb last = frame.pixel(0, 0);
    GifPixelType lastEntry = palette.EntryOf(last);
    for (int y = 0; y < frame.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (line[x] != last) {
                last = line[x];
                lastEntry = palette.EntryOf(last);
            }
            row[x] = lastEntry;
        }
        if (EGifPutLine(gif, row.data(), frame.width()) != GIF_OK) {
            return false;
        }
    }
    return true;
}

}  // namespace

int FrameDelayCentiseconds(int frame, double framesPerSecond) {
    const auto at = [framesPerSecond](int n) { return std::lround(100.0 * n / framesPerSecond); };
    return static_cast<int>(at(frame + 1) - at(frame));
}

void AnimationFile::GifCloser::operator()(GifFileType* gif) const {
    int error = 0;
    EGifCloseFile(gif, &error);
}

AnimationFile::AnimationFile() = default;

AnimationFile::~AnimationFile() {
    Cancel();
}

QString AnimationFile::Open(const QString& path, QSize size) {
    Cancel();
    frames_ = 0;
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxSide ||
        size.height() > kMaxSide) {
        return QStringLiteral("a GIF is 1 to %1 pixels a side, not %2x%3")
            .arg(kMaxSide)
            .arg(size.width())
            .arg(size.height());
    }
    file_ = std::make_unique<WholeFile>();
    if (const std::string error = file_->Open(QFile::encodeName(path).toStdString());
        !error.empty()) {
        return Fail(QString::fromStdString(error));
    }
    int error = 0;
    gif_.reset(EGifOpen(file_.get(), WriteToFile, &error));
    if (!gif_) {
        return Fail(GifError(error));
    }
    size_ = size;
    EGifSetGifVersion(gif_.get(), true);
    if (EGifPutScreenDesc(gif_.get(), size.width(), size.height(), 8, 0, nullptr) != GIF_OK ||
        !PutLoopForever(gif_.get())) {
        return Fail(GifError(gif_->Error));
    }
    return {};
}

QString AnimationFile::AddFrame(const QImage& frame, int delayCentiseconds) {
    if (!IsOpen()) {
        return QStringLiteral("no animation is open");
    }
    const int number = frames_ + 1;
    if (frame.size() != size_) {
        return Fail(QStringLiteral("frame %1 is %2x%3 pixels, not %4x%5 as the animation")
                        .arg(number)
                        .arg(frame.width())
                        .arg(frame.height())
                        .arg(size_.width())
                        .arg(size_.height()));
    }
    if (delayCentiseconds < 0 || delayCentiseconds > kMaxDelay) {
        return Fail(QStringLiteral("frame %1 has a delay of %2 hundredths of a second, not 0 to %3")
                        .arg(number)
                        .arg(delayCentiseconds)
                        .arg(kMaxDelay));
    }
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    QRect changed = frames_ == 0 ? pixels.rect() : ChangedArea(last_, pixels);
    if (changed.isEmpty()) {
        changed = QRect(0, 0, 1, 1);  // every frame needs an image to show for its delay
    }
    if (!PutDelay(gif_.get(), delayCentiseconds) ||
        !PutImage(gif_.get(), pixels.copy(changed), changed.topLeft())) {
        return Fail(GifError(gif_->Error));
    }
    last_ = pixels;
    frames_ = number;
    return {};
}

QString AnimationFile::Finish() {
    if (!IsOpen()) {
        return QStringLiteral("no animation is open");
    }
    if (frames_ == 0) {
        return Fail(QStringLiteral("the animation has no frames"));
    }
    int error = 0;
    if (EGifCloseFile(gif_.release(), &error) != GIF_OK) {
        return Fail(GifError(error));
    }
    const QString result = QString::fromStdString(file_->Commit());
    file_.reset();
    last_ = QImage();
    return result;
}

void AnimationFile::Cancel() {
    gif_.reset();  // writes the end of the GIF into the file dropped next
    file_.reset();
    last_ = QImage();
}

QString AnimationFile::Fail(const QString& error) {
    Cancel();
    return error;
}

QString AnimationFile::GifError(int code) const {
    if (file_ && !file_->Error().empty()) {
        return QString::fromStdString(file_->Error());
    }
    return QString::fromUtf8(GifErrorString(code));
}

}  // namespace orvath
