// SPDX-License-Identifier: GPL-3.0-or-later
// The writer of whole files with either kind of temporary file: the unnamed
// one most file systems give, and the named one of those that have none (a
// FAT USB stick). The program's own exports are run in export_command_test.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "desktop/whole_file.h"
#include "support/small_disk.h"

namespace orvath::testing {
namespace {

namespace fs = std::filesystem;
using Temporary = WholeFile::Temporary;

const std::string kBytes(100000, 'x');  // more than a small disk holds

class WholeFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvath-whole-file-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::string Read(const std::string& name) const {
        std::ifstream file(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    void WriteOld(const std::string& name) const {
        std::ofstream(Path(name), std::ios::binary) << "old";
    }

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

// Runs `body` in a child process and returns what it wrote to the pipe it is
// given, with how the child ended.
struct ChildRun {
    std::string said;
    int status = 0;
};

template <typename Body>
ChildRun InChild(Body body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return {"no pipe", -1};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        body(pipeFds[1]);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    ChildRun run;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        run.said.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    ::waitpid(child, &run.status, 0);
    return run;
}

void Say(int fd, const std::string& text) {
    [[maybe_unused]] const ssize_t written = ::write(fd, text.data(), text.size());
}

// A link, or a chain of them, to a regular file writes that file, which
// keeps its permissions; a new file gets those of the umask.
TEST_F(WholeFiles, ALinkToARegularFileIsWrittenThroughAndPermissionsKept) {
    for (const Temporary temporary : {Temporary::UnnamedWherePossible, Temporary::Named}) {
        WriteOld("real.gif");
        fs::permissions(Path("real.gif"),
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        fs::create_symlink("real.gif", Path("link.gif"));
        fs::create_symlink(Path("link.gif"), Path("chain.gif"));
        for (const char* name : {"chain.gif", "new.gif"}) {
            WholeFile file(temporary);
            ASSERT_EQ(file.Open(Path(name)), "");
            EXPECT_TRUE(file.Write(kBytes.data(), kBytes.size()) && file.Write("!", 1));
            ASSERT_EQ(file.Commit(), "");
        }
        EXPECT_EQ(Read("real.gif"), kBytes + "!");
        EXPECT_EQ(Entries(),
                  (std::vector<std::string>{"chain.gif", "link.gif", "new.gif", "real.gif"}));
        EXPECT_TRUE(fs::is_symlink(Path("chain.gif")) && fs::is_symlink(Path("link.gif")));
        EXPECT_EQ(fs::status(Path("real.gif")).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        const mode_t umask = ::umask(0);
        ::umask(umask);
        EXPECT_EQ(fs::status(Path("new.gif")).permissions(), static_cast<fs::perms>(0666 & ~umask));
        for (const auto& entry : fs::directory_iterator(dir_)) {
            fs::remove(entry.path());
        }
    }
}

// A write that fails (the size limit, a full disk), Cancel and the end of an
// uncommitted file leave the old file and no temporary one.
TEST_F(WholeFiles, AFailureLeavesTheOldFileAndNothingElse) {
    const SmallDisk disk(dir_ / "disk");
    for (const Temporary temporary : {Temporary::UnnamedWherePossible, Temporary::Named}) {
        WriteOld("old.gif");
        const ChildRun limited = InChild([&](int said) {
            const rlimit limit{SmallDisk::kBytes, SmallDisk::kBytes};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            WholeFile file(temporary);
            Say(said, file.Open(Path("old.gif")));
            file.Write(kBytes.data(), kBytes.size());
            Say(said, file.Commit());
        });
        EXPECT_EQ(limited.said, std::strerror(EFBIG));
        EXPECT_TRUE(WIFEXITED(limited.status));
        if (disk.Mounted()) {
            WholeFile full(temporary);
            ASSERT_EQ(full.Open((disk.Folder() / "full.gif").string()), "");
            full.Write(kBytes.data(), kBytes.size());
            EXPECT_EQ(full.Commit(), std::strerror(ENOSPC));
            EXPECT_EQ(full.Error(), std::strerror(ENOSPC));
            EXPECT_TRUE(fs::is_empty(disk.Folder()));
        }
        for (const bool cancel : {true, false}) {
            WholeFile file(temporary);
            ASSERT_EQ(file.Open(Path("old.gif")), "");
            file.Write("new", 3);
            if (cancel) {
                file.Cancel();
                EXPECT_EQ(file.Commit(), std::strerror(EBADF));
            }
        }
        EXPECT_EQ(Read("old.gif"), "old");
        EXPECT_EQ(Entries(), (std::vector<std::string>{"disk", "old.gif"}));
    }
}

// SIGINT, SIGTERM and SIGHUP remove the named temporary file before they end
// the program; after SIGKILL it is left, named as no finished file is.
TEST_F(WholeFiles, SignalsRemoveTheNamedTemporaryFile) {
    const std::regex kTemporaryName(R"(\.run\.gif\.orvath-[0-9A-Za-z]{6}\.part)");
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
        SCOPED_TRACE(strsignal(signal));
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            WholeFile file(Temporary::Named);
            file.Open(Path("run.gif"));
            file.Write(kBytes.data(), kBytes.size());
            Say(ready[1], "written");
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        const std::vector<std::string> writing = Entries();
        ASSERT_EQ(writing.size(), 1U);
        EXPECT_TRUE(std::regex_match(writing[0], kTemporaryName)) << writing[0];
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal);
        EXPECT_EQ(Entries(), signal == SIGKILL ? writing : std::vector<std::string>{});
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
}

}  // namespace
}  // namespace orvath::testing
