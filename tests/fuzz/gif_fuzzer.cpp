// SPDX-License-Identifier: GPL-3.0-or-later
// Makes up to four frames of up to 32x32 pixels from arbitrary bytes, few
// colours or many, writes them as an animated GIF and reads it back with
// giflib. Checks each frame's palette (at most 256 distinct entries, every
// colour given one, a frame of at most 256 colours and every entry kept
// exactly) and the file: every frame there with the frame's size, and while
// no frame has needed a smaller palette, each shown exactly as it was made,
// so the rectangle that changed is never too small.

#include <QDir>
#include <QImage>
#include <QSet>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "desktop/animation_file.h"
#include "support/gif_reading.h"
#include "surface/frame_palette.h"

namespace {

constexpr int kMaxSide = 32;
constexpr int kMaxFrames = 4;

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "gif fuzzer: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// Where the file goes: a file system in memory when there is one, since every
// file written is synced.
QString FilePath() {
    const std::filesystem::path memory = "/dev/shm";
    const auto folder =
        std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
    return QString::fromStdString(
        (folder / ("orvath-gif-fuzzer-" + std::to_string(::getpid()) + ".gif")).string());
}

// The bytes as frames: a header of size, frame count and colour count, then
// two bytes a pixel, read round the input again as often as needed.
class Frames {
  public:
    Frames(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    QSize Size() const { return {1 + Byte(0) % kMaxSide, 1 + Byte(1) % kMaxSide}; }
    int Count() const { return 1 + Byte(2) % kMaxFrames; }
    int Delay(int frame) const { return Byte(3 + frame); }

    QImage Frame(int frame) const {
        const QSize size = Size();
        // 2 to 8192 colours to choose from, each a mix of the pixel's bytes.
        const int colours = 2 << (Byte(7) % 13);
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const std::size_t at = 8 + 2 * (static_cast<std::size_t>(frame) * 37 +
                                                static_cast<std::size_t>(y * size.width() + x));
                const int value = (Byte(at) << 8 | Byte(at + 1)) % colours;
                image.setPixel(
                    x, y,
                    qRgb((value * 97) & 255, (value * 59 + 13) & 255, (value >> 4) * 37 & 255));
            }
        }
        return image;
    }

  private:
    int Byte(std::size_t at) const { return size_ == 0 ? 0 : data_[at % size_]; }

    const std::uint8_t* data_;
    std::size_t size_;
};

int CheckPalette(const QImage& frame) {
    QSet<QRgb> colours;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            colours.insert(frame.pixel(x, y));
        }
    }
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    const orvath::FramePalette palette(
        {reinterpret_cast<const orvath::Argb*>(pixels.constBits()), pixels.width(), pixels.height(),
         static_cast<int>(pixels.bytesPerLine() / sizeof(orvath::Argb))});
    const std::vector<QRgb>& entries = palette.Entries();
    if (entries.empty() || entries.size() > 256 ||
        QSet<QRgb>(entries.begin(), entries.end()).size() != static_cast<int>(entries.size())) {
        Fail("a palette is empty, too large or repeats an entry", std::to_string(entries.size()));
    }
    for (const QRgb colour : colours) {
        const std::size_t entry = palette.EntryOf(colour);
        if (entry >= entries.size() || (colours.size() <= 256 && entries[entry] != colour)) {
            Fail("a colour has no entry, or not its own", std::to_string(colour));
        }
    }
    for (const QRgb entry : entries) {
        if (entries[palette.EntryOf(entry)] != entry) {
            Fail("an entry of the palette does not stand for itself", std::to_string(entry));
        }
    }
    return static_cast<int>(colours.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString kPath = FilePath();
    const Frames frames(data, size);
    std::vector<QImage> made;
    std::size_t exact = 0;  // the first frames, all of at most 256 colours
    orvath::AnimationFile file;
    if (const QString error = file.Open(kPath, frames.Size()); !error.isEmpty()) {
        Fail("cannot open the animation", error.toStdString());
    }
    for (int i = 0; i < frames.Count(); ++i) {
        made.push_back(frames.Frame(i));
        if (CheckPalette(made.back()) <= 256 && exact == made.size() - 1) {
            exact = made.size();
        }
        if (const QString error = file.AddFrame(made.back(), frames.Delay(i)); !error.isEmpty()) {
            Fail("cannot add a frame", error.toStdString());
        }
    }
    if (const QString error = file.Finish(); !error.isEmpty()) {
        Fail("cannot finish the animation", error.toStdString());
    }
    const orvath::testing::GifReading gif = orvath::testing::ReadGif(kPath);
    if (!gif || gif->ImageCount != frames.Count() ||
        QSize(gif->SWidth, gif->SHeight) != frames.Size()) {
        Fail("the file does not read back with its frames", "");
    }
    const std::vector<QImage> played = orvath::testing::Played(*gif);
    for (std::size_t i = 0; i < exact; ++i) {
        if (played[i] != made[i]) {
            Fail("a frame of few colours is not shown as it was made", std::to_string(i));
        }
    }
    QDir().remove(kPath);
    return 0;
}
