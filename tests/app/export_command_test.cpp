// SPDX-License-Identifier: GPL-3.0-or-later
// Runs `orvath --export` as a user or a script would: a written picture is
// complete, and each bad request is one line on standard error, status 2 and
// no file.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "end_to_end/run_program.h"

namespace orvath::testing {
namespace {

namespace fs = std::filesystem;
const std::string kProgram = ORVATH_PROGRAM;

class ExportCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvath-export-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::string Read(const std::string& name) const {
        std::ifstream file(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    // Expects status 2 with one line on standard error starting with `start`,
    // and nothing left in the folder.
    void ExpectRefused(const std::vector<std::string>& args, const std::string& start,
                       const RunOptions& options = {}) const {
        SCOPED_TRACE(args.empty() ? "" : args.front() + " " + args.back());
        const ProgramRun run = RunProgram(kProgram, args, options);
        ASSERT_TRUE(run.exited) << "ended by signal " << run.signal;
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind(start, 0), 0U) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(fs::is_empty(dir_));
    }

    fs::path dir_;
};

// Width and height from a PNG's header chunk.
std::pair<unsigned, unsigned> PngSize(const std::string& png) {
    const auto word = [&](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(png.at(at + i));
        }
        return value;
    };
    return {word(16), word(20)};
}

TEST_F(ExportCommand, WritesAPngOfTheAskedSize) {
    const ProgramRun run =
        RunProgram(kProgram, {"--export", Path("a.png"), "--size", "321x123", "--angle", "40"});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    const std::string png = Read("a.png");
    ASSERT_GT(png.size(), 24U);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(PngSize(png), std::make_pair(321U, 123U));
}

TEST_F(ExportCommand, DefaultSizeIsFullHd) {
    const ProgramRun run =
        RunProgram(kProgram, {"--mode", "continuous", "--export", Path("b.PNG")});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(PngSize(Read("b.PNG")), std::make_pair(1920U, 1080U));
}

TEST_F(ExportCommand, WritesAnSvgDrawing) {
    const ProgramRun run = RunProgram(kProgram, {"--export", Path("c.svg"), "--size", "800x450"});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string svg = Read("c.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0U);
    EXPECT_NE(svg.find("viewBox=\"0 0 800 450\""), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST_F(ExportCommand, BadRequestsWriteNothing) {
    ExpectRefused({"--export", Path("d.gif")},
                  "orvath: " + Path("d.gif") + ": unknown picture type");
    ExpectRefused({"--export", Path("no/such/e.png")},
                  "orvath: cannot write " + Path("no/such/e.png") + ": ");
    ExpectRefused({"--export", Path("f.svg"), "--size", "0x10"},
                  "orvath: --size needs a size WxH, each side 1 to 16384 pixels");
    ExpectRefused({"--export", Path("f.svg"), "--size", "16385x10"}, "orvath: --size needs");
    ExpectRefused({"--export", Path("f.svg"), "--size", "wide"}, "orvath: --size needs");
    ExpectRefused({"--export", Path("g.png"), "--client", "10x10"},
                  "orvath: --client is used only with --trace");
    ExpectRefused({"--export", Path("g.png"), "--autoplay"}, "orvath: --autoplay");
    ExpectRefused({"--export", Path("g.png"), "--angle", "95"}, "orvath: --angle needs");
    ExpectRefused({"--size", "10x10"}, "orvath: --size is used only with --export");
    ExpectRefused({"--export", Path("line\nbreak.png.txt")}, "orvath: ");
}

TEST_F(ExportCommand, AFolderWithoutWritePermission) {
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    RunOptions options;
    options.withoutFileOverride = true;
    const ProgramRun run = RunProgram(kProgram, {"--export", Path("h.png")}, options);
    if (run.exited && run.status == kCannotDropCapabilities) {
        GTEST_SKIP() << "this machine lets root write every file and does not let the test "
                        "give that up";
    }
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("orvath: cannot write " + Path("h.png") + ": ", 0), 0U) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
}  // namespace orvath::testing
