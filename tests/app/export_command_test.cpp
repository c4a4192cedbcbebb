// SPDX-License-Identifier: GPL-3.0-or-later
// Runs `orvath --export` as a user or a script would: a written picture is
// complete, and each bad request is one line on standard error, status 2 and
// no file.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
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
        ::umount2((dir_ / "disk").c_str(), MNT_DETACH);
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
                  "orvath: " + Path("no/such/e.png") + ": " + std::strerror(ENOENT));
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
    EXPECT_EQ(run.err, "orvath: " + Path("h.png") + ": " + std::strerror(EACCES) + "\n");
    EXPECT_TRUE(fs::is_empty(dir_));
}

// The writer of `path`'s type, asked for a file of more than 8 KiB.
std::vector<std::string> ExportTo(const std::string& path) {
    if (path.ends_with(".gif")) {
        return {"--export-animation", path, "--to", "1000", "--size", "320x180"};
    }
    if (path.ends_with(".svg")) {
        return {"--export", path, "--view", "exact"};
    }
    return {"--export", path, "--size", "640x360"};
}

// Each name in the folder with its node's type and number, and where a link points.
std::map<std::string, std::string> Nodes(const fs::path& folder) {
    std::map<std::string, std::string> nodes;
    for (const auto& entry : fs::directory_iterator(folder)) {
        struct stat status {};
        ::lstat(entry.path().c_str(), &status);
        nodes[entry.path().filename()] =
            std::to_string(status.st_mode) + " " + std::to_string(status.st_ino) +
            (S_ISLNK(status.st_mode) ? " -> " + fs::read_symlink(entry.path()).string() : "");
    }
    return nodes;
}

// A FIFO, a folder, a socket or a device is no file to replace, nor is a link
// to one: refused by every writer, and left as it is.
TEST_F(ExportCommand, OnlyARegularFileOrALinkToOneIsWritten) {
    std::vector<std::pair<std::string, std::string>> kinds = {
        {"fifo", "a FIFO"}, {"folder", "a directory"}, {"socket", "a socket"}};
    ASSERT_EQ(::mkfifo(Path("fifo.png").c_str(), 0644), 0);
    fs::create_directory(Path("folder.png"));
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    Path("socket.png").copy(address.sun_path, sizeof address.sun_path - 1);
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(socketFd);
    // The null device's numbers; only root may make a device.
    if (::mknod(Path("device.png").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        kinds.emplace_back("device", "a character device");
    }
    for (const auto& [name, kind] : kinds) {
        fs::create_symlink(name + ".png", Path(name + ".svg"));
        fs::create_symlink(name + ".png", Path(name + ".gif"));
    }
    const auto before = Nodes(dir_);
    // A link to a regular file is written through; the file keeps its permissions.
    std::ofstream(Path("target.svg")) << "old";
    fs::permissions(Path("target.svg"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("target.svg", Path("link.svg"));
    EXPECT_EQ(RunProgram(kProgram, ExportTo(Path("link.svg"))).status, 0);
    EXPECT_TRUE(fs::is_symlink(Path("link.svg")));
    EXPECT_EQ(Read("target.svg").rfind("<?xml", 0), 0U);
    EXPECT_EQ(fs::status(Path("target.svg")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    for (const auto& [name, kind] : kinds) {
        for (const char* extension : {".png", ".svg", ".gif"}) {
            const auto args = ExportTo(Path(name + extension));
            const ProgramRun run = RunProgram(kProgram, args);
            EXPECT_EQ(run.status, 2) << args[1];
            EXPECT_EQ(run.err, "orvath: " + args[1] + ": " +
                                   (extension == std::string(".png") ? "is " : "links to ") + kind +
                                   ", not a regular file\n");
        }
    }
    fs::remove(Path("link.svg"));
    fs::remove(Path("target.svg"));
    EXPECT_EQ(Nodes(dir_), before);
}

// A disk that fills up (mounted by root), or a file size limit (ulimit -f):
// the system's reason on one line, and no file.
TEST_F(ExportCommand, AFullDiskIsOneLineWithTheSystemsReasonAndNoFile) {
    const fs::path disk = dir_ / "disk";
    fs::create_directory(disk);
    const bool mounted = ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=8k") == 0;
    RunOptions limited;
    limited.fileSizeLimit = 8192;
    for (const char* extension : {".png", ".svg", ".gif"}) {
        const auto args = ExportTo(Path(std::string("limited") + extension));
        const ProgramRun run = RunProgram(kProgram, args, limited);
        ASSERT_TRUE(run.exited) << "ended by signal " << run.signal;
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "orvath: " + args[1] + ": " + std::strerror(EFBIG) + "\n");
        if (mounted) {
            const auto full = ExportTo((disk / (std::string("full") + extension)).string());
            EXPECT_EQ(RunProgram(kProgram, full).err,
                      "orvath: " + full[1] + ": " + std::strerror(ENOSPC) + "\n");
        }
    }
    EXPECT_TRUE(fs::is_empty(disk));
    EXPECT_EQ(Nodes(dir_).size(), 1U);
    if (!mounted) {
        GTEST_SKIP() << "only root can mount a small disk; the size limit alone was tried";
    }
}

// Whether process `pid` has a file open in `folder`: its export has begun.
bool HasAFileOpenIn(int pid, const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator fd("/proc/" + std::to_string(pid) + "/fd", error), end;
         !error && fd != end; fd.increment(error)) {
        if (fs::read_symlink(fd->path(), error).parent_path() == folder) {
            return true;
        }
    }
    return false;
}

// Interrupted, terminated or killed while writing: no file at all.
TEST_F(ExportCommand, AnExportEndedBySignalLeavesNothing) {
    for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
        RunOptions options;
        options.whileRunning = [&](int pid) {
            for (int tries = 0; tries < 2000 && !HasAFileOpenIn(pid, dir_); ++tries) {
                ::usleep(5000);
            }
            ::kill(pid, signal);
        };
        const ProgramRun run = RunProgram(
            kProgram, {"--export-animation", Path("run.gif"), "--size", "1920x1080"}, options);
        EXPECT_EQ(run.signal, signal);
        EXPECT_TRUE(fs::is_empty(dir_));
    }
}

}  // namespace
}  // namespace orvath::testing
