// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/animation_file.h"

#include <gif_lib.h>

#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace orvath {
namespace {

// How a frame becomes a GIF image of at most 256 colours.
//
// The program's pictures are lines, arcs and text in a handful of colours on
// white, painted with antialiasing: besides its few base colours a frame
// holds blends of each of them towards the background and, where lines
// cross, blends of two colours; a few hundred to a few thousand colours.
//
// - A frame of at most 256 colours gets exactly those, and is kept exactly.
// - Otherwise the palette is picked among the frame's own colours, one at a
//   time: first the most frequent (the background), then always the colour
//   that the palette so far reproduces worst, weighing its squared distance
//   to the nearest entry by the square root of how many pixels have it. The
//   base colours, far from all else and with many pixels each, come first;
//   the other entries spread along the blends. Weighing by the count itself
//   would favour the frequent colours more and leave the rare blends (where
//   lines cross) further off. Over the whole wavelet run at 960x540, a colour
//   of 50 pixels or more ends up at most 3 levels off, any colour at most 14.
// - Every pixel takes the entry nearest to its colour. Nothing is dithered:
//   a line or an area of one colour stays one colour.
//
// After the first frame, a frame is only the rectangle around the pixels that
// changed since the one before; the rest of the last frame stays on show. In
// the wavelet picture that is a little under half a frame on average.

constexpr int kPaletteSize = 256;
constexpr int kMaxDelay = 65535;
constexpr int kMaxSide = 65535;
// A frame with more colours than this (a photograph or a gradient; never a
// picture of the program) picks its palette among its most frequent colours
// only, which keeps the choice fast.
constexpr std::size_t kMaxCandidates = 8192;

QString OneLine(QString text) {
    return text.replace('\n', ' ').trimmed();
}

int Distance(QRgb a, QRgb b) {
    const int red = qRed(a) - qRed(b);
    const int green = qGreen(a) - qGreen(b);
    const int blue = qBlue(a) - qBlue(b);
    return red * red + green * green + blue * blue;
}

struct Colour {
    QRgb rgb;
    std::uint32_t pixels;
};

// The colours of a frame, each with a number: first how many pixels have it,
// later its palette entry. An open-addressing hash table keyed by the opaque
// colour, which is never 0, the key of an empty slot.
class ColourTable {
  public:
    explicit ColourTable(const QImage& frame) : slots_(kStartSize) {
        QRgb last = 0;
        std::uint32_t* number = nullptr;
        for (int y = 0; y < frame.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                // Runs of one colour are the rule: look each run up once.
                if (const QRgb key = line[x] | kOpaque; key != last) {
                    last = key;
                    number = &Add(key);
                }
                ++*number;
            }
        }
    }

    std::vector<Colour> Colours() const {
        std::vector<Colour> colours;
        colours.reserve(used_);
        for (const Slot& slot : slots_) {
            if (slot.key != 0) {
                colours.push_back({slot.key, slot.number});
            }
        }
        return colours;
    }

    // The number of a colour of the frame.
    std::uint32_t& Number(QRgb rgb) { return slots_[Find(rgb | kOpaque)].number; }

    static constexpr QRgb kOpaque = 0xff000000u;

  private:
    static constexpr std::size_t kStartSize = 4096;  // a power of two

    struct Slot {
        QRgb key = 0;
        std::uint32_t number = 0;
    };

    // The slot of `key`, or the empty one where it goes.
    std::size_t Find(QRgb key) const {
        const std::size_t mask = slots_.size() - 1;
        std::uint32_t hash = key;  // mixed so that every channel reaches the low bits
        hash = (hash ^ (hash >> 16)) * 0x7feb352du;
        hash = (hash ^ (hash >> 15)) * 0x846ca68bu;
        std::size_t i = (hash ^ (hash >> 16)) & mask;
        while (slots_[i].key != 0 && slots_[i].key != key) {
            i = (i + 1) & mask;
        }
        return i;
    }

    std::uint32_t& Add(QRgb key) {
        std::size_t i = Find(key);
        if (slots_[i].key == 0) {
            if (2 * (used_ + 1) > slots_.size()) {
                Grow();
                i = Find(key);
            }
            slots_[i].key = key;
            ++used_;
        }
        return slots_[i].number;
    }

    void Grow() {
        std::vector<Slot> old(2 * slots_.size());
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.key != 0) {
                slots_[Find(slot.key)] = slot;
            }
        }
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

struct Palette {
    std::vector<QRgb> entries;
    std::vector<std::uint8_t> entryOf;  // of each colour, in the colours' order
};

std::uint8_t Nearest(const std::vector<QRgb>& entries, QRgb rgb) {
    int best = std::numeric_limits<int>::max();
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < entries.size() && best > 0; ++i) {
        if (const int distance = Distance(entries[i], rgb); distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return static_cast<std::uint8_t>(nearest);
}

// The palette for `colours` (see the top of this file). Reorders them, most
// frequent first when there are too many to consider all.
Palette ChoosePalette(std::vector<Colour>& colours) {
    Palette palette;
    palette.entryOf.resize(colours.size());
    if (colours.size() <= kPaletteSize) {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            palette.entries.push_back(colours[i].rgb);
            palette.entryOf[i] = static_cast<std::uint8_t>(i);
        }
        return palette;
    }
    const auto morePixels = [](const Colour& a, const Colour& b) { return a.pixels > b.pixels; };
    const std::size_t candidates = std::min(colours.size(), kMaxCandidates);
    std::nth_element(colours.begin(), colours.begin() + (candidates - 1), colours.end(),
                     morePixels);

    // gap: each candidate's squared distance to its nearest entry so far.
    std::vector<int> gap(candidates, std::numeric_limits<int>::max());
    std::vector<double> weight(candidates);
    for (std::size_t i = 0; i < candidates; ++i) {
        weight[i] = std::sqrt(static_cast<double>(colours[i].pixels));
    }
    std::size_t next = std::min_element(colours.begin(), colours.begin() + candidates, morePixels) -
                       colours.begin();
    while (palette.entries.size() < kPaletteSize) {
        const QRgb entry = colours[next].rgb;
        const auto entryIndex = static_cast<std::uint8_t>(palette.entries.size());
        palette.entries.push_back(entry);
        double worst = 0;
        for (std::size_t i = 0; i < candidates; ++i) {
            if (const int distance = Distance(colours[i].rgb, entry); distance < gap[i]) {
                gap[i] = distance;
                palette.entryOf[i] = entryIndex;
            }
            if (const double error = weight[i] * gap[i]; error > worst) {
                worst = error;
                next = i;
            }
        }
    }
    for (std::size_t i = candidates; i < colours.size(); ++i) {
        palette.entryOf[i] = Nearest(palette.entries, colours[i].rgb);
    }
    return palette;
}

// giflib writes through this into the QSaveFile that is its user data.
int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return static_cast<int>(file->write(reinterpret_cast<const char*>(bytes), length));
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
    ColourTable table(frame);
    std::vector<Colour> colours = table.Colours();
    const Palette palette = ChoosePalette(colours);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        table.Number(colours[i].rgb) = palette.entryOf[i];
    }

    // A GIF palette has a power of two entries, at least 2.
    const int bits = GifBitSize(static_cast<int>(palette.entries.size()));
    std::vector<GifColorType> entries(std::size_t{1} << bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.entries.size(); ++i) {
        const QRgb rgb = palette.entries[i];
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
    QRgb last = 0;
    GifPixelType lastEntry = 0;
    for (int y = 0; y < frame.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (const QRgb key = line[x] | ColourTable::kOpaque; key != last) {
                last = key;
                lastEntry = static_cast<GifPixelType>(table.Number(key));
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
    file_ = std::make_unique<QSaveFile>(path);
    if (!file_->open(QIODevice::WriteOnly)) {
        return Fail(OneLine(file_->errorString()));
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
    QString result;
    if (!file_->commit()) {
        result = OneLine(file_->errorString());
    }
    file_.reset();
    last_ = QImage();
    return result;
}

void AnimationFile::Cancel() {
    gif_.reset();  // writes the end of the GIF into the file dropped next
    if (file_) {
        file_->cancelWriting();
        file_.reset();
    }
    last_ = QImage();
}

QString AnimationFile::Fail(const QString& error) {
    Cancel();
    return error;
}

QString AnimationFile::GifError(int code) const {
    if (file_ && file_->error() != QFileDevice::NoError) {
        return OneLine(file_->errorString());
    }
    return QString::fromUtf8(GifErrorString(code));
}

}  // namespace orvath
