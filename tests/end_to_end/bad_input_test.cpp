// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real program with bad command lines and bad scripts: each must end
// with status 2 and exactly one line on standard error saying what is wrong
// (and, for a script, where), never with a crash.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "run_program.h"
#include "support/script_errors.h"

namespace orvath::testing {
namespace {

const std::string kProgram = ORVATH_PROGRAM;
const std::string kSizeMessage = "orvath: --client needs a size WxH, each side 1 to 16384 pixels\n";

// Runs the program and expects status 2 with `message` as its only output on
// standard error.
void ExpectRejected(const std::vector<std::string>& args, const std::string& message,
                    const RunOptions& options = {}) {
    const ProgramRun run = RunProgram(kProgram, args, options);
    SCOPED_TRACE(args.empty() ? "" : args.back());
    ASSERT_TRUE(run.exited) << "ended by signal " << run.signal << "\n" << run.err;
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, message);
}

class BadScript : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("orvath-bad-input-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Writes a script and returns its path.
    std::string Script(const std::string& name, const std::string& text) const {
        const auto path = dir_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    // Expects the script to be rejected with "orvath: PATH:LINE: message".
    void ExpectLineError(const std::string& name, const std::string& text, int line,
                         const std::string& message) const {
        const std::string path = Script(name, text);
        ExpectRejected({"--trace", path},
                       "orvath: " + path + ":" + std::to_string(line) + ": " + message + "\n");
    }

    std::filesystem::path dir_;
};

TEST(BadCommandLine, EachGetsOneLineAndStatusTwo) {
    ExpectRejected({"--bogus"}, "orvath: unknown option '--bogus' (see --help)\n");
    ExpectRejected({"-x"}, "orvath: unknown option '-x' (see --help)\n");
    ExpectRejected({"--angle"}, "orvath: --angle needs a whole number from 0 to 89\n");
    ExpectRejected({"--angle", "90"}, "orvath: --angle needs a whole number from 0 to 89\n");
    ExpectRejected({"--index", "1.5"}, "orvath: --index needs a whole number from 50 to 300\n");
    ExpectRejected({"--mode"}, "orvath: --mode needs 'wavelets' or 'continuous'\n");
    ExpectRejected({"--trace"}, "orvath: --trace needs a file name ('-' for standard input)\n");
    ExpectRejected({"--trace", "-", "extra"}, "orvath: unknown option 'extra' (see --help)\n");
    ExpectRejected({"--autoplay", "yes"}, "orvath: unknown option 'yes' (see --help)\n");
    ExpectRejected({"--trace", "-", "--client"}, kSizeMessage);
    ExpectRejected({"--client", "640x480"}, "orvath: --client is used only with --trace\n");
    ExpectRejected({"--trace", "-", "--angle", "30"},
                   "orvath: --trace takes its settings from the script, not from options\n");
    ExpectRejected({"--trace", "-", "--export", "a.png"},
                   "orvath: --trace and --export cannot be combined\n");
    ExpectRejected({"--angle\n40"}, "orvath: unknown option '--angle?40' (see --help)\n");
    ExpectRejected({"--medium", "diamond-air"},
                   "orvath: --medium diamond-air: its index 0.41 is outside the index bar's "
                   "0.50 to 3.00\n");
    ExpectRejected({"--speed", "2x"}, "orvath: --speed needs 1x, 1/2, 1/4, 1/10 or 1/50\n");
    ExpectRejected({"--export", "a.png", "--zoom", "9"},
                   "orvath: --zoom needs a number from 1 to 8\n");
    ExpectRejected({"--zoom", "2", "--zoom", "3"}, "orvath: --zoom is given twice\n");
    ExpectRejected({"--export-animation", "run.png"},
                   "orvath: run.png: an animation is a GIF (the name must end in .gif)\n");
    ExpectRejected({"--export-animation", "/nonexistent/run.gif", "--to", "40"},
                   "orvath: /nonexistent/run.gif: No such file or directory\n");
}

TEST(BadCommandLine, ClientSizesOutsideOneTo16384) {
    for (const std::string size :
         {"0x0", "-5x7", "7x", "x7", "99999999x1", "16385x1", "1x16385", "7x7x7", "7 x7", ""}) {
        ExpectRejected({"--trace", "-", "--client", size}, kSizeMessage);
    }
}

TEST_F(BadScript, ScriptsThatCannotBeRead) {
    ExpectRejected({"--trace", dir_.string()}, "orvath: " + dir_.string() + ":0: is a directory\n");
    const std::string missing = (dir_ / "missing.txt").string();
    ExpectRejected({"--trace", missing},
                   "orvath: " + missing + ":0: cannot open: No such file or directory\n");
    ExpectRejected(
        {"--trace", (dir_ / "a\nb").string()},
        "orvath: " + (dir_ / "a?b").string() + ":0: cannot open: No such file or directory\n");
}

TEST_F(BadScript, AScriptWithoutReadPermission) {
    const std::string path = Script("unreadable.txt", "angle 30\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    RunOptions asUser;
    asUser.withoutFileOverride = true;
    const ProgramRun run = RunProgram(kProgram, {"--trace", path}, asUser);
    if (run.exited && run.status == kCannotDropCapabilities) {
        GTEST_SKIP() << "this machine lets root read every file and does not let the test "
                        "give that up";
    }
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orvath: " + path + ":0: cannot open: Permission denied\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(BadScript, BinaryAndNulBytes) {
    // The program file itself: its first line is not an event.
    const ProgramRun binary = RunProgram(kProgram, {"--trace", kProgram});
    ASSERT_TRUE(binary.exited);
    EXPECT_EQ(binary.status, 2);
    const std::string prefix = "orvath: " + kProgram + ":1: unknown event '";
    ASSERT_EQ(binary.err.substr(0, prefix.size()), prefix);
    EXPECT_TRUE(std::regex_match(binary.err.substr(prefix.size()),
                                 std::regex("[ -~]{1,40}(\\.\\.\\.)?'\n")))
        << binary.err;

    ExpectLineError("nul.txt", std::string("angle 30\nangle\0 30\n", 19), 2,
                    "unknown event 'angle?'");
    ExpectLineError("nul-number.txt", std::string("index 1\0000\n", 10), 1,
                    "'1?0' is not a whole number");
    ExpectRejected({"--trace", "-"}, "orvath: -:1: unknown event '" + std::string(6, '?') + "'\n",
                   {.input = std::string("\x01\x02\x03\xff\xfe\0 tick\n", 12)});
}

TEST_F(BadScript, AOneMegabyteLine) {
    const std::string digits(1 << 20, '7');
    ExpectLineError("long-number.txt", "waves 9\ntime " + digits + "\n", 2,
                    "'time' value '" + digits.substr(0, 40) + "...' is outside 0 to 5000");
    ExpectLineError("long-word.txt", "# ok\n\n" + std::string(1 << 20, 'x'), 3,
                    "unknown event '" + std::string(40, 'x') + "...'");
}

// Every bad line of the parser's table, after a good one: the run stops there.
TEST_F(BadScript, EveryKindOfBadLine) {
    int n = 0;
    for (const auto& [line, message] : ScriptErrors()) {
        ExpectLineError("bad" + std::to_string(n++) + ".txt", "wavelets\n" + line + "\nangle 30\n",
                        2, message);
    }
}

TEST_F(BadScript, EmptyAndWindowsLineEndingsAreValid) {
    const ProgramRun empty = RunProgram(kProgram, {"--trace", Script("empty.txt", "")});
    ASSERT_TRUE(empty.exited);
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.err, "");
    EXPECT_NE(empty.out.find("\nshow\n"), std::string::npos);

    const std::string events = "angle 40\nwaves 7\n\ncontinuous\ntime 100\n";
    std::string crlf;
    for (const char c : events) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const ProgramRun lf = RunProgram(kProgram, {"--trace", Script("lf.txt", events)});
    const ProgramRun windows = RunProgram(kProgram, {"--trace", Script("crlf.txt", crlf)});
    ASSERT_TRUE(windows.exited);
    EXPECT_EQ(windows.status, 0);
    EXPECT_EQ(windows.err, "");
    EXPECT_EQ(windows.out, lf.out);
    EXPECT_NE(windows.out.find("event time 100\n"), std::string::npos);
}

}  // namespace
}  // namespace orvath::testing
