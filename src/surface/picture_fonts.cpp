// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/picture_fonts.h"

#include <cstdint>
#include <iterator>

namespace orvath {
namespace {

constexpr int kUnitsPerEm = 2048;

// Advance widths in font units, by ranges of code points (each range's
// widths from its offset on); -1 where the face has no glyph. Read from
// LiberationSans-Regular.ttf (fonts-liberation); tests/desktop checks them
// against the face as the window paints it.
constexpr std::int16_t kWidths[] = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196, 569,
    682,  1139, 1139, 1139, 1139, 532,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131, 819,
    1124, 682,  682,  682,  1180, 1100, 569,  682,  682,  748,  1139, 1708, 1708, 1708, 1251, 1366,
    1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,  1479,
    1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251, 1139,
    1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569,  569,  569,  569,  1139,
    1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024, 1366,
    1139, 1366, 1139, 1366, 1139, 1479, 1024, 1479, 1024, 1479, 1024, 1479, 1024, 1479, 1259, 1479,
    1139, 1366, 1139, 1366, 1139, 1366, 1139, 1366, 1139, 1366, 1139, 1593, 1139, 1593, 1139, 1593,
    1139, 1593, 1139, 1479, 1139, 1479, 1139, 569,  569,  569,  569,  569,  569,  569,  455,  569,
    569,  1505, 909,  1024, 455,  1366, 1024, 1024, 1139, 455,  1139, 455,  1139, 597,  1139, 684,
    1139, 455,  1479, 1139, 1479, 1139, 1479, 1139, 1237, 1481, 1139, 1593, 1139, 1593, 1139, 1593,
    1139, 2048, 1933, 1479, 682,  1479, 682,  1479, 682,  1366, 1024, 1366, 1024, 1366, 1024, 1366,
    1024, 1251, 569,  1251, 768,  1251, 569,  1479, 1139, 1479, 1139, 1479, 1139, 1479, 1139, 1479,
    1139, 1479, 1139, 1933, 1479, 1366, 1024, 1366, 1251, 1024, 1251, 1024, 1251, 1024, 455,  -1,
    -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   569,  -1,   -1,
    -1,   -1,   -1,   682,  682,  1367, 569,  1606, 1716, 786,  -1,   1586, -1,   1752, 1541, 455,
    1366, 1366, 1128, 1368, 1366, 1251, 1479, 1593, 569,  1366, 1368, 1706, 1479, 1331, 1593, 1479,
    1366, -1,   1266, 1251, 1366, 1634, 1366, 1711, 1531, 569,  1366, 1184, 913,  1139, 455,  1120,
    1184, 1178, 1024, 1140, 913,  903,  1139, 1139, 455,  1024, 1024, 1180, 1024, 917,  1139, 1413,
    1165, 987,  1264, 809,  1120, 1328, 1075, 1460, 1599, 455,  1120, 1139, 1120, 1599, -1,   -1,
    -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,
    -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,
    -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   -1,   682,
    682,  -1,   1139, 2048, 2048, -1,   1131, 455,  455,  455,  455,  682,  682,  682,  -1,   1139,
    1139, 717,  -1,   -1,   -1,   2048, -1,   2048, -1,   384,  725,  -1,   -1,   -1,   -1,   -1,
    682,  682,  2048, 1024, 2048, 1024, 1196, 1124, 1124, 1124, 1124, -1};

struct WidthRange {
    char32_t first;
    char32_t last;
    std::size_t offset;
};

constexpr WidthRange kRanges[] = {
    {0x0020, 0x007e, 0},   {0x00a0, 0x017f, 95},  {0x0370, 0x03ff, 319}, {0x2010, 0x2027, 463},
    {0x2030, 0x203a, 487}, {0x2190, 0x2193, 498}, {0x2212, 0x2212, 502}, {0x2248, 0x2248, 503},
    {0x2260, 0x2260, 504}, {0x2264, 0x2265, 505}, {0x22c5, 0x22c5, 507},
};
static_assert(kRanges[std::size(kRanges) - 1].offset + 1 == std::size(kWidths));

// The advance in font units; one em where the face has no glyph.
int UnitsOf(char32_t c) {
    for (const WidthRange& range : kRanges) {
        if (c >= range.first && c <= range.last) {
            const int width = kWidths[range.offset + (c - range.first)];
            return width < 0 ? kUnitsPerEm : width;
        }
    }
    return kUnitsPerEm;
}

// The code point that starts at text[i], and how many bytes it takes; a
// byte that starts no character is taken alone.
char32_t Decode(std::string_view text, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    length = lead < 0x80 ? 1 : lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    if (i + length > text.size()) {
        length = 1;
    }
    if (length == 1) {
        return lead < 0x80 ? lead : 0xfffd;
    }
    char32_t c = lead & (0xff >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xc0) != 0x80) {
            length = 1;
            return 0xfffd;
        }
        c = (c << 6) | (byte(i + k) & 0x3f);
    }
    return c;
}

}  // namespace

double LabelTextWidthEm(std::string_view utf8) {
    // Whole font units add up exactly, and quicker than ems.
    long units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        // The first range is printable ASCII, most of what is measured.
        if (const auto byte = static_cast<unsigned char>(utf8[i]); byte >= 0x20 && byte < 0x7f) {
            units += kWidths[byte - 0x20];
            ++i;
            continue;
        }
        std::size_t length = 1;
        units += UnitsOf(Decode(utf8, i, length));
        i += length;
    }
    return static_cast<double>(units) / kUnitsPerEm;
}

}  // namespace orvath
