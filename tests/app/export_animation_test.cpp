// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <sstream>

#include "app/export_animation.h"
#include "desktop/animation_export.h"
#include "model/animation_run.h"
#include "support/gif_reading.h"

namespace orvath::testing {
namespace {

TEST(AnimationFrames, RunFromTheFirstTimeAtTheTimersPaceAndEndOnTheLast) {
    struct Case {
        int from, to, fps;
        TimerSpeed speed;
        std::vector<int> times;
    };
    const Case cases[] = {
        {0, 130, 30, TimerSpeed::Full, {0, 33, 67, 100, 130}},
        {100, 120, 20, TimerSpeed::Tenth, {100, 105, 110, 115, 120}},
        {0, 3, 50, TimerSpeed::Fiftieth, {0, 0, 1, 1, 2, 2, 2, 3}},
    };
    for (const Case& c : cases) {
        AnimationSettings settings;
        settings.fromTime = c.from;
        settings.toTime = c.to;
        settings.framesPerSecond = c.fps;
        settings.speed = c.speed;
        EXPECT_EQ(FrameTimes(settings), c.times) << c.from << " to " << c.to << " at " << c.fps;
    }
    EXPECT_EQ(FrameTimes({}).size(), 126u);
}

// The window's way in refuses what the command line refuses, and writes nothing.
TEST(AnimationExportLimits, OpenRefusesAnAnimationBeyondThem) {
    AnimationSettings settings;
    settings.size = QSize(4000, 2100);
    const QTemporaryDir dir;
    AnimationExport animation(settings);
    EXPECT_EQ(animation.Open(dir.filePath(QStringLiteral("big.gif"))).toStdString(),
              AnimationLimitError(4000, 2100, 126));
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

class AnimationExportCommand : public ::testing::Test {
  protected:
    // Runs `orvath --export-animation FILE ARGS...` in process.
    int Run(const QString& file, std::vector<std::string_view> args) {
        path_ = dir_.filePath(file).toStdString();
        args.insert(args.begin(), {"--export-animation", path_});
        const CommandLineResult parsed = ParseCommandLine(args);
        EXPECT_EQ(parsed.error, "");
        std::ostringstream err;
        const int status = RunAnimationExport(parsed.commandLine, err, false);
        errors_ = err.str();
        return status;
    }

    QStringList Files() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir_;
    std::string path_;
    std::string errors_;
};

// The GIF read back has a frame for each step of the run at the asked size,
// with the delays of the frame rate, and each frame differs from the one
// before as the time advances.
TEST_F(AnimationExportCommand, WritesEveryFrameAtItsSizeAndDelay) {
    struct Case {
        std::vector<std::string_view> args;
        int frames;
        QSize size;
        int fps;
    };
    const Case cases[] = {
        {{"--mode", "continuous", "--from", "0", "--to", "500", "--fps", "30", "--size", "320x180"},
         16,
         QSize(320, 180),
         30},
        {{"--view", "exact", "--theme", "projector", "--speed", "1/10", "--fps", "10", "--to",
          "100", "--from", "0", "--size", "400x300", "--medium", "glass-air", "--angle", "30"},
         11,
         QSize(400, 300),
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front());
        ASSERT_EQ(Run(QStringLiteral("run.gif"), c.args), 0) << errors_;
        EXPECT_EQ(errors_, "");
        const GifReading gif = ReadGif(QString::fromStdString(path_));
        ASSERT_TRUE(gif);
        EXPECT_EQ(gif->ImageCount, c.frames);
        EXPECT_EQ(QSize(gif->SWidth, gif->SHeight), c.size);
        std::vector<int> delays;
        for (int i = 0; i < c.frames; ++i) {
            delays.push_back(FrameDelayCentiseconds(i, c.fps));
        }
        EXPECT_EQ(Delays(*gif), delays);
        const std::vector<QImage> played = Played(*gif);
        for (std::size_t i = 1; i < played.size(); ++i) {
            EXPECT_NE(played[i], played[i - 1]) << "frame " << i;
        }
        EXPECT_EQ(Files(), QStringList{"run.gif"});
    }
}

}  // namespace
}  // namespace orvath::testing
