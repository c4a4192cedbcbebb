// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/gif_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace orvath {
namespace {

constexpr int kMaxDelay = 65535;
constexpr int kMaxSide = 65535;
constexpr int kMaxCodes = 4096;  // LZW codes are at most 12 bits

void PutWord(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

// The smallest number of bits, at least 1, for `entries` palette entries.
int BitsFor(std::size_t entries) {
    int bits = 1;
    while ((std::size_t{1} << bits) < entries) {
        ++bits;
    }
    return bits;
}

// The LZW data of one image: its minimum code size, then sub-blocks of at
// most 255 bytes, then an empty block.
class LzwEncoder {
  public:
    LzwEncoder(std::vector<std::uint8_t>& out, int minCodeSize)
        : out_(out), minCodeSize_(minCodeSize), clear_(1 << minCodeSize) {
        out_.push_back(static_cast<std::uint8_t>(minCodeSize));
        Reset();
        Code(clear_);
    }

    void Add(int index) {
        if (current_ < 0) {
            current_ = index;
            return;
        }
        const int key = (current_ << 8) | index;
        std::size_t slot = Find(key);
        if (table_[slot].key == key) {
            current_ = table_[slot].code;
            return;
        }
        Code(current_);
        table_[slot] = {key, ++largest_};
        if (largest_ >= (1 << codeSize_)) {
            ++codeSize_;
        }
        if (largest_ == kMaxCodes - 1) {
            Code(clear_);
            Reset();
        }
        current_ = index;
    }

    void End() {
        if (current_ >= 0) {
            Code(current_);
        }
        Code(clear_ + 1);
        if (bitCount_ > 0) {
            Byte(static_cast<std::uint8_t>(bits_));
        }
        Flush();
        out_.push_back(0);
    }

  private:
    struct Entry {
        int key = -1;
        int code = 0;
    };
    static constexpr std::size_t kTableSize = 8192;  // twice the codes

    void Reset() {
        std::fill(table_.begin(), table_.end(), Entry{});
        codeSize_ = minCodeSize_ + 1;
        largest_ = clear_ + 1;
    }

    std::size_t Find(int key) const {
        std::size_t i = (static_cast<std::uint32_t>(key) * 2654435761u) >> 19;
        while (table_[i].key != -1 && table_[i].key != key) {
            i = (i + 1) & (kTableSize - 1);
        }
        return i;
    }

    void Code(int code) {
        bits_ |= static_cast<std::uint32_t>(code) << bitCount_;
        bitCount_ += codeSize_;
        while (bitCount_ >= 8) {
            Byte(static_cast<std::uint8_t>(bits_ & 0xff));
            bits_ >>= 8;
            bitCount_ -= 8;
        }
    }

    void Byte(std::uint8_t byte) {
        block_[blockSize_++] = byte;
        if (blockSize_ == block_.size()) {
            Flush();
        }
    }

    void Flush() {
        if (blockSize_ > 0) {
            out_.push_back(static_cast<std::uint8_t>(blockSize_));
            out_.insert(out_.end(), block_.begin(), block_.begin() + blockSize_);
            blockSize_ = 0;
        }
    }

    std::vector<std::uint8_t>& out_;
    int minCodeSize_;
    int clear_;
    int codeSize_ = 0;
    int largest_ = 0;
    int current_ = -1;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
    std::array<std::uint8_t, 255> block_{};
    std::size_t blockSize_ = 0;
    std::vector<Entry> table_ = std::vector<Entry>(kTableSize);
};

struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The smallest rectangle that holds every pixel in which the frames differ;
// empty when they are the same.
Area ChangedArea(const std::vector<Argb>& before, const PixelView& after) {
    int left = after.width;
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < after.height; ++y) {
        const Argb* a = before.data() + static_cast<std::ptrdiff_t>(y) * after.width;
        const Argb* b = after.Row(y);
        const auto same = [](Argb p, Argb q) { return ((p ^ q) & 0xffffffu) == 0; };
        int first = 0;
        while (first < after.width && same(a[first], b[first])) {
            ++first;
        }
        if (first == after.width) {
            continue;
        }
        int last = after.width - 1;
        while (same(a[last], b[last])) {
            --last;
        }
        left = std::min(left, first);
        right = std::max(right, last);
        top = top < 0 ? y : top;
        bottom = y;
    }
    if (top < 0) {
        return {};
    }
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

int FrameDelayCentiseconds(int frame, double framesPerSecond) {
    const auto at = [framesPerSecond](int n) { return std::lround(100.0 * n / framesPerSecond); };
    return static_cast<int>(at(frame + 1) - at(frame));
}

std::string GifWriter::Open(Sink sink, int width, int height) {
    Close();
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
        return "a GIF is 1 to " + std::to_string(kMaxSide) + " pixels a side, not " +
               std::to_string(width) + "x" + std::to_string(height);
    }
    sink_ = std::move(sink);
    width_ = width;
    height_ = height;
    std::vector<std::uint8_t> head = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(head, width);
    PutWord(head, height);
    // No global palette, 8 bits of colour resolution, background 0, square pixels.
    head.insert(head.end(), {0x70, 0, 0});
    // Loop for ever.
    head.insert(head.end(), {0x21, 0xff, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                             3, 1, 0, 0, 0});
    if (!Put(head)) {
        return Fail("the GIF could not be written");
    }
    return {};
}

std::string GifWriter::AddFrame(const PixelView& frame, int delayCentiseconds) {
    if (!IsOpen()) {
        return "no animation is open";
    }
    const int number = frames_ + 1;
    if (frame.width != width_ || frame.height != height_) {
        return Fail("frame " + std::to_string(number) + " is " + std::to_string(frame.width) + "x" +
                    std::to_string(frame.height) + " pixels, not " + std::to_string(width_) + "x" +
                    std::to_string(height_) + " as the animation");
    }
    if (delayCentiseconds < 0 || delayCentiseconds > kMaxDelay) {
        return Fail("frame " + std::to_string(number) + " has a delay of " +
                    std::to_string(delayCentiseconds) + " hundredths of a second, not 0 to " +
                    std::to_string(kMaxDelay));
    }
    // After the first frame, a frame is only the rectangle around the pixels
    // that changed since the one before; the rest of the last frame stays on
    // show. Every frame needs an image to show for its delay.
    Area changed = frames_ == 0 ? Area{0, 0, width_, height_} : ChangedArea(last_, frame);
    if (changed.width == 0) {
        changed = {0, 0, 1, 1};
    }
    const PixelView part{frame.Row(changed.top) + changed.left, changed.width, changed.height,
                         frame.stride};
    const FramePalette palette(part);
    const int bits = BitsFor(palette.Entries().size());

    std::vector<std::uint8_t> out;
    // Graphic control: leave the frame in place, the delay, no transparency.
    out.insert(out.end(), {0x21, 0xf9, 4, 1 << 2});
    PutWord(out, delayCentiseconds);
    out.insert(out.end(), {0, 0});
    out.push_back(0x2c);
    PutWord(out, changed.left);
    PutWord(out, changed.top);
    PutWord(out, changed.width);
    PutWord(out, changed.height);
    out.push_back(static_cast<std::uint8_t>(0x80 | (bits - 1)));  // a palette of its own
    for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
        const Argb rgb = i < palette.Entries().size() ? palette.Entries()[i] : 0;
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(RedOf(rgb)), static_cast<std::uint8_t>(GreenOf(rgb)),
                    static_cast<std::uint8_t>(BlueOf(rgb))});
    }
    LzwEncoder lzw(out, std::max(2, bits));
    // Runs of one colour are the rule: look each run up once.
    Argb last = part.Row(0)[0];
    int entry = palette.EntryOf(last);
    for (int y = 0; y < part.height; ++y) {
        const Argb* row = part.Row(y);
        for (int x = 0; x < part.width; ++x) {
            if (row[x] != last) {
                last = row[x];
                entry = palette.EntryOf(last);
            }
            lzw.Add(entry);
        }
    }
    lzw.End();
    if (!Put(out)) {
        return Fail("the GIF could not be written");
    }
    last_.resize(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        std::memcpy(last_.data() + static_cast<std::ptrdiff_t>(y) * width_, frame.Row(y),
                    static_cast<std::size_t>(width_) * sizeof(Argb));
    }
    frames_ = number;
    return {};
}

std::string GifWriter::Finish() {
    if (!IsOpen()) {
        return "no animation is open";
    }
    if (frames_ == 0) {
        return Fail("the animation has no frames");
    }
    if (!Put({0x3b})) {
        return Fail("the GIF could not be written");
    }
    Close();
    return {};
}

void GifWriter::Close() {
    sink_ = nullptr;
    frames_ = 0;
    last_.clear();
}

bool GifWriter::Put(const std::vector<std::uint8_t>& bytes) {
    return sink_(bytes.data(), bytes.size());
}

std::string GifWriter::Fail(std::string error) {
    Close();
    return error;
}

}  // namespace orvath
