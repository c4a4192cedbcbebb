// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a picture of up to 64 drawing operations from arbitrary bytes (any
// world frame, coordinates from small to huge, infinite or not a number,
// printable text) and writes it as PNG and as SVG, as --export and Ctrl+S
// do.
// Checks that both are written and read back: the PNG at its size, the SVG
// as a whole XML document.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "desktop/fonts.h"
#include "desktop/picture_file.h"
#include "surface/display_list.h"

namespace {

constexpr int kMaxOps = 64;
constexpr int kMaxSide = 256;

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "picture fuzzer: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// Where the files go: a file system in memory when there is one, since
// every file written is synced.
QString FilePath(const char* extension) {
    const std::filesystem::path memory = "/dev/shm";
    const auto folder =
        std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path();
    return QString::fromStdString(
        (folder / ("orvath-picture-fuzzer-" + std::to_string(::getpid()) + extension)).string());
}

// Besides printable ASCII, the symbols of the captions and information texts.
constexpr std::string_view kSymbols[] = {"\u00b0", "\u03b1", "\u2081", "\u2264"};

// The input read from the front; zeros once it is used up.
class Reader {
  public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool AtEnd() const { return at_ >= size_; }
    unsigned Byte() { return at_ < size_ ? data_[at_++] : 0; }

    // Mostly a coordinate in the world of the pictures; now and then any float.
    float Number() {
        const unsigned kind = Byte();
        if (kind < 0xf0) {
            const auto value = static_cast<std::int16_t>(Byte() << 8 | Byte());
            return static_cast<float>(value) * (kind < 0x80 ? 1.0f : 0.01f);
        }
        std::uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            bits = bits << 8 | Byte();
        }
        return std::bit_cast<float>(bits);
    }

    orvath::Colour Colour() {
        if (Byte() % 4 == 0) {
            return orvath::kForeground;
        }
        return orvath::Rgb{static_cast<std::uint8_t>(Byte()), static_cast<std::uint8_t>(Byte()),
                           static_cast<std::uint8_t>(Byte())};
    }

    // Text as the panel's captions have it: printable, with the odd symbol.
    std::string Text() {
        std::string text;
        for (unsigned length = Byte() % 32; length > 0; --length) {
            const unsigned c = Byte();
            text += c < 0xf0 ? std::string(1, static_cast<char>(' ' + c % 95))
                             : std::string(kSymbols[c % std::size(kSymbols)]);
        }
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// `Count` numbers, read in order (the order in which a call's
// arguments are worked out is the compiler's).
template <std::size_t Count>
std::array<float, Count> Numbers(Reader& in) {
    std::array<float, Count> numbers{};
    for (float& number : numbers) {
        number = in.Number();
    }
    return numbers;
}

void Draw(Reader& in, orvath::DisplayList& picture) {
    const auto frame = Numbers<4>(in);
    picture.Scale(frame[0], frame[1], frame[2], frame[3]);
    for (int op = 0; op < kMaxOps && !in.AtEnd(); ++op) {
        switch (in.Byte() % 9) {
            case 0: {
                const auto n = Numbers<4>(in);
                picture.Line(n[0], n[1], n[2], n[3], in.Colour());
                break;
            }
            case 1: {
                const auto n = Numbers<2>(in);
                picture.LineTo(n[0], n[1], in.Colour());
                break;
            }
            case 2: {
                const auto n = Numbers<5>(in);
                picture.Circle(n[0], n[1], n[2], n[3], n[4], in.Colour());
                break;
            }
            case 3: {
                const auto n = Numbers<2>(in);
                picture.PSet(n[0], n[1], in.Colour());
                break;
            }
            case 4:
                picture.DrawWidth(static_cast<int>(in.Byte() % 40));
                break;
            case 5:
                picture.DrawStyle(static_cast<orvath::LineStyle>(in.Byte() % 3));
                break;
            case 6: {
                const auto n = Numbers<2>(in);
                picture.SetCurrent(n[0], n[1]);
                break;
            }
            case 7:
                picture.Print(in.Text());
                break;
            default:
                picture.BeginPart(static_cast<orvath::Part>(in.Byte() % orvath::kPartCount));
                break;
        }
    }
}

bool IsWholeSvg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    QXmlStreamReader xml(&file);
    bool root = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && !root) {
            root = xml.name() == QStringLiteral("svg");
            if (!root) {
                return false;
            }
        }
    }
    return root && !xml.hasError();
}

void IgnoreQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

// Every character the pictures may hold, painted once in each theme, so that
// the font caches are filled before the first input: what fontconfig keeps
// then is no leak of an input.
void FillFontCaches() {
    std::string characters;
    for (char c = ' '; c <= '~'; ++c) {
        characters += c;
    }
    for (const std::string_view symbol : kSymbols) {
        characters += symbol;
    }
    orvath::DisplayList picture;
    picture.Scale(0, 0, 100, 100);
    picture.Print(characters);
    const QString path = FilePath(".fonts");
    for (const auto theme : {orvath::Theme::Classic, orvath::Theme::Projector}) {
        for (const auto format : {orvath::PictureFormat::Png, orvath::PictureFormat::Svg}) {
            orvath::WritePicture(picture, orvath::PrintFont(), QSize(64, 64), format, path, theme);
        }
    }
    QDir().remove(path);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(IgnoreQtMessages);
    static std::unique_ptr<QApplication> app = std::make_unique<QApplication>(*argc, *argv);
    orvath::InstallFontSubstitutes();
    FillFontCaches();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString kPng = FilePath(".png");
    static const QString kSvg = FilePath(".svg");
    Reader in(data, size);
    const QSize pixels(1 + static_cast<int>(in.Byte()) % kMaxSide,
                       1 + static_cast<int>(in.Byte()) % kMaxSide);
    const auto theme = in.Byte() % 2 == 0 ? orvath::Theme::Classic : orvath::Theme::Projector;
    orvath::DisplayList picture;
    Draw(in, picture);
    const QFont font = orvath::PrintFont();
    for (const auto& [format, path] :
         {std::pair{orvath::PictureFormat::Png, kPng}, {orvath::PictureFormat::Svg, kSvg}}) {
        if (const QString error = orvath::WritePicture(picture, font, pixels, format, path, theme);
            !error.isEmpty()) {
            Fail("a picture was not written", error.toStdString());
        }
    }
    if (QImage(kPng).size() != pixels) {
        Fail("the PNG does not read back at its size", "");
    }
    if (!IsWholeSvg(kSvg)) {
        Fail("the SVG is no whole document", "");
    }
    QDir().remove(kPng);
    QDir().remove(kSvg);
    return 0;
}
