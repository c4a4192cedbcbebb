// SPDX-License-Identifier: GPL-3.0-or-later
// Runs `orvath --export` as a user or a script would: a written picture is
// complete, and each bad request is one line on standard error, status 2 and
// no file.

#include <gtest/gtest.h>
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
#include "support/small_disk.h"

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

const std::string kExtensions[] = {".png", ".svg", ".gif"};

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

// What lies at each path of a folder: its type, inode and where a link points.
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

// Waits until process `pid` has a file open in `folder`, that is until its
// export has begun; ten seconds at most.
void WaitForAFileUnder(int pid, const fs::path& folder) {
    const fs::path fds = "/proc/" + std::to_string(pid) + "/fd";
    for (int tries = 0; tries < 2000; ++tries) {
        std::error_code error;
        for (fs::directory_iterator fd(fds, error), end; !error && fd != end; fd.increment(error)) {
            const fs::path target = fs::read_symlink(fd->path(), error);
            if (!error && target.parent_path() == folder) {
                return;
            }
        }
        ::usleep(5000);
    }
}

// A FIFO, a folder, a socket and (made by root) a device, and a link to
// each, named NAME + extension; the kind that each is.
std::vector<std::pair<std::string, std::string>> MakeNodes(const fs::path& folder,
                                                           const std::string& extension) {
    const auto at = [&](const std::string& name) { return folder / (name + extension); };
    std::vector<std::pair<std::string, std::string>> nodes = {
        {"fifo", "a FIFO"}, {"folder", "a directory"}, {"socket", "a socket"}};
    ::mkfifo(at("fifo").c_str(), 0644);
    fs::create_directory(at("folder"));
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    at("socket").string().copy(address.sun_path, sizeof address.sun_path - 1);
    ::bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(socketFd);
    // The null device's numbers.
    if (::mknod(at("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        nodes.emplace_back("device", "a character device");
    }
    for (std::size_t i = 0, count = nodes.size(); i < count; ++i) {
        fs::create_symlink(nodes[i].first + extension, at("link-to-" + nodes[i].first));
        nodes.emplace_back("link-to-" + nodes[i].first, nodes[i].second);
    }
    return nodes;
}

// A device, a FIFO, a socket or a folder is no file to replace, nor is a link
// to one: refused, and left as it is.
TEST_F(ExportCommand, PathsThatAreNoRegularFileAreLeftAsTheyAre) {
    for (const std::string& extension : kExtensions) {
        const auto nodes = MakeNodes(dir_, extension);
        const auto before = Nodes(dir_);
        ASSERT_EQ(before.size(), nodes.size());
        for (const auto& [name, kind] : nodes) {
            const auto args = ExportTo(Path(name + extension));
            SCOPED_TRACE(args[1]);
            const ProgramRun run = RunProgram(kProgram, args);
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.err, "orvath: " + args[1] + ": " +
                                   (name.starts_with("link") ? "links to " : "is ") + kind +
                                   ", not a regular file\n");
        }
        EXPECT_EQ(Nodes(dir_), before);
        for (const auto& entry : fs::directory_iterator(dir_)) {
            fs::remove_all(entry.path());
        }
    }
}

// A disk that fills up, or a file size limit (ulimit -f): the system's
// reason on one line, and no file.
TEST_F(ExportCommand, AFullDiskIsOneLineWithTheSystemsReasonAndNoFile) {
    const SmallDisk disk(dir_ / "disk");
    RunOptions limited;
    limited.fileSizeLimit = SmallDisk::kBytes;
    for (const std::string& extension : kExtensions) {
        const auto args = ExportTo(Path("limited" + extension));
        SCOPED_TRACE(args[1]);
        const ProgramRun run = RunProgram(kProgram, args, limited);
        ASSERT_TRUE(run.exited) << "ended by signal " << run.signal;
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "orvath: " + args[1] + ": " + std::strerror(EFBIG) + "\n");
        if (disk.Mounted()) {
            const auto full = ExportTo((disk.Folder() / ("full" + extension)).string());
            const ProgramRun fullRun = RunProgram(kProgram, full);
            EXPECT_EQ(fullRun.status, 2);
            EXPECT_EQ(fullRun.err, "orvath: " + full[1] + ": " + std::strerror(ENOSPC) + "\n");
            EXPECT_TRUE(fs::is_empty(disk.Folder()));
        }
    }
    EXPECT_EQ(Nodes(dir_).size(), 1U);
    if (!disk.Mounted()) {
        GTEST_SKIP() << "only root can mount a small disk; the size limit alone was tried";
    }
}

// Interrupted, terminated or killed while writing: no file at all.
TEST_F(ExportCommand, AnExportEndedBySignalLeavesNothing) {
    for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
        RunOptions options;
        options.whileRunning = [&](int pid) {
            WaitForAFileUnder(pid, dir_);
            ::kill(pid, signal);
        };
        const ProgramRun run = RunProgram(
            kProgram, {"--export-animation", Path("run.gif"), "--size", "1920x1080"}, options);
        EXPECT_FALSE(run.exited);
        EXPECT_EQ(run.signal, signal);
        EXPECT_TRUE(fs::is_empty(dir_));
    }
}

}  // namespace
}  // namespace orvath::testing
