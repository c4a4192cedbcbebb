// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's exports (export_command_test) cannot show on this
// machine: the named temporary file that file systems without unnamed ones
// (a FAT USB stick) need, on a write error and on a signal.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "desktop/whole_file.h"

namespace orvath::testing {
namespace {

namespace fs = std::filesystem;
using Temporary = WholeFile::Temporary;

class WholeFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvath-whole-file-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

// Runs `body` in a child process, which ends when it returns.
template <typename Body>
pid_t Child(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        body();
        ::_exit(0);
    }
    return child;
}

int Wait(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// A file beyond the size limit (as on a full disk) is the system's reason,
// and the named temporary file is gone.
TEST_F(WholeFiles, AWriteErrorRemovesTheNamedTemporaryFile) {
    std::ofstream(Path("old.gif")) << "old";
    int said[2];
    ASSERT_EQ(::pipe(said), 0);
    const pid_t child = Child([&] {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        WholeFile file(Temporary::Named);
        file.Open(Path("old.gif"));
        const std::string bytes(100000, 'x');
        file.Write(bytes.data(), bytes.size());
        const std::string error = file.Commit();
        [[maybe_unused]] const auto written = ::write(said[1], error.data(), error.size());
    });
    ::close(said[1]);
    char error[100] = {};
    [[maybe_unused]] const auto got = ::read(said[0], error, sizeof error - 1);
    ::close(said[0]);
    const int status = Wait(child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_STREQ(error, std::strerror(EFBIG));
    EXPECT_EQ(Entries(), std::vector<std::string>{"old.gif"});
    EXPECT_EQ(fs::file_size(Path("old.gif")), 3U);
}

// SIGINT, SIGTERM and SIGHUP remove the named temporary file before they end
// the program; after SIGKILL it is left, named as no finished file is.
TEST_F(WholeFiles, SignalsRemoveTheNamedTemporaryFile) {
    const std::regex kTemporaryName(R"(\.run\.gif\.orvath-[0-9A-Za-z]{6}\.part)");
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        SCOPED_TRACE(strsignal(signal));
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = Child([&] {
            WholeFile file(Temporary::Named);
            file.Open(Path("run.gif"));
            file.Write("new", 3);
            [[maybe_unused]] const auto written = ::write(ready[1], "!", 1);
            ::pause();
        });
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        const std::vector<std::string> writing = Entries();
        ASSERT_EQ(writing.size(), 1U);
        EXPECT_TRUE(std::regex_match(writing[0], kTemporaryName)) << writing[0];
        ::kill(child, signal);
        const int status = Wait(child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
        EXPECT_EQ(Entries(), signal == SIGKILL ? writing : std::vector<std::string>{});
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
}

}  // namespace
}  // namespace orvath::testing
