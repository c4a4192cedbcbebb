// SPDX-License-Identifier: GPL-3.0-or-later
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "desktop/animation_file.h"
#include "support/gif_reading.h"

namespace orvath::testing {
namespace {

constexpr QSize kSize(320, 180);
constexpr QRgb kRed = 0xffff0000u;
constexpr QRgb kWhite = 0xffffffffu;
// The colours the program draws in.
const QColor kInks[] = {{0, 0, 0},   {255, 0, 0},   {0, 0, 255}, {255, 0, 255},
                        {155, 0, 0}, {0, 155, 155}, {0, 0, 250}, {96, 96, 96}};

// A frame as the program paints one, on white: a red line 3 pixels thick with
// its centre on `redRow` (above y = 40), and when `busy`, antialiased slanted
// lines and ellipses in every ink below y = 50, far more than 256 colours.
QImage Frame(int redRow, bool busy) {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; busy && i < 8; ++i) {
        painter.setPen(QPen(kInks[i], 1 + i % 2));
        painter.drawLine(QPointF(10 + 37 * i, 175), QPointF(60 + 29 * i, 60));
        painter.drawEllipse(QPointF(160, 115), 20 + 12.5 * i, 10 + 7.5 * i);
    }
    painter.setPen(QPen(QColor(kRed), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(20, redRow + 0.5), QPointF(300, redRow + 0.5));
    return image;
}

std::string Bytes(const ExtensionBlock& block) {
    return {reinterpret_cast<const char*>(block.Bytes), static_cast<std::size_t>(block.ByteCount)};
}

int Difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST(AnimationFiles, FramesReadBackWithTheirDelaysAndExactLineColours) {
    struct Case {
        int redRow;
        bool busy;
        int delay;
    };
    const Case cases[] = {{10, true, 4}, {20, true, 3}, {30, false, 250}, {30, false, 7}};
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.gif"));
    std::vector<QImage> frames;
    AnimationFile file;
    ASSERT_EQ(file.Open(path, kSize), "");
    for (const Case& c : cases) {
        frames.push_back(Frame(c.redRow, c.busy));
        ASSERT_EQ(file.AddFrame(frames.back(), c.delay), "");
    }
    ASSERT_EQ(file.Finish(), "");
    QSet<QRgb> colours;
    for (int i = 0; i < kSize.width() * kSize.height(); ++i) {
        colours.insert(frames[0].pixel(i % kSize.width(), i / kSize.width()));
    }
    ASSERT_GT(colours.size(), 256) << "the busy frames must need a smaller palette";

    const GifReading gif = ReadGif(path);
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->ImageCount, 4);
    EXPECT_EQ(QSize(gif->SWidth, gif->SHeight), kSize);
    // Loops for ever: the NETSCAPE2.0 block before the first image, loop count 0.
    ASSERT_GE(gif->SavedImages[0].ExtensionBlockCount, 2);
    EXPECT_EQ(Bytes(gif->SavedImages[0].ExtensionBlocks[0]), "NETSCAPE2.0");
    EXPECT_EQ(Bytes(gif->SavedImages[0].ExtensionBlocks[1]), std::string("\1\0\0", 3));
    const std::vector<QImage> played = Played(*gif);
    const std::vector<int> delays = Delays(*gif);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(delays[i], cases[i].delay);
        // This frame's red line, solid red, and no other frame's.
        for (const Case& c : cases) {
            for (int x = 20; x < 300; ++x) {
                ASSERT_EQ(played[i].pixel(x, c.redRow),
                          c.redRow == cases[i].redRow ? kRed : kWhite);
            }
        }
        // Inks and background stay within a few levels, blends close; nothing
        // at all changes in a frame of at most 256 colours.
        int worstInk = 0;
        int worst = 0;
        for (int p = 0; p < kSize.width() * kSize.height(); ++p) {
            const QRgb source = frames[i].pixel(p % kSize.width(), p / kSize.width());
            const int error =
                Difference(source, played[i].pixel(p % kSize.width(), p / kSize.width()));
            worst = std::max(worst, error);
            if (source == kWhite || std::count(std::begin(kInks), std::end(kInks), source)) {
                worstInk = std::max(worstInk, error);
            }
        }
        EXPECT_LE(worstInk, cases[i].busy ? 6 : 0);
        EXPECT_LE(worst, cases[i].busy ? 20 : 0);
    }
}

TEST(AnimationFiles, AFailureOrCancelLeavesTheOldFile) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.gif"));
    const QImage frame = Frame(10, false);
    const auto openWithAFrame = [&](AnimationFile& file) {
        EXPECT_EQ(file.Open(path, kSize), "");
        EXPECT_EQ(file.AddFrame(frame, 4), "");
    };
    struct Case {
        const char* what;
        bool fails;
        std::function<QString(AnimationFile&)> run;
    };
    const Case cases[] = {
        {"a folder that is a file", true,
         [&](auto& file) { return file.Open(path + "/a", kSize); }},
        {"a frame of another size", true,
         [&](auto& file) { return openWithAFrame(file), file.AddFrame(frame.scaled(99, 50), 4); }},
        {"a delay too long", true,
         [&](auto& file) { return openWithAFrame(file), file.AddFrame(frame, 65536); }},
        {"cancelled", false, [&](auto& file) { return openWithAFrame(file), file.Cancel(), ""; }},
        {"never finished", false, [&](auto& file) { return openWithAFrame(file), ""; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        {
            AnimationFile file;
            const QString error = c.run(file);
            EXPECT_EQ(!error.isEmpty(), c.fails) << error.toStdString();
            EXPECT_FALSE(error.contains('\n') || (c.fails && file.IsOpen()));
        }
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "old");
        old.close();
        EXPECT_EQ(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("old.gif")});
    }
}

TEST(FrameDelays, AddUpToTheTimeOfTheFrames) {
    for (const int framesPerSecond : {25, 30, 24, 7, 50}) {
        int total = 0;
        for (int frame = 0; frame < framesPerSecond; ++frame) {
            const int delay = FrameDelayCentiseconds(frame, framesPerSecond);
            EXPECT_LT(std::abs(delay * framesPerSecond - 100), framesPerSecond);
            total += delay;
        }
        EXPECT_EQ(total, 100) << framesPerSecond << " frames a second";
    }
}

}  // namespace
}  // namespace orvath::testing
