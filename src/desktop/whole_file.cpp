// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <optional>
#include <random>

namespace orvath {
namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;
// Links followed to the target, as many as the system follows.
constexpr int kMostLinks = 40;
// Tries at a temporary name not yet taken.
constexpr int kNameTries = 100;
constexpr std::string_view kTemporaryInfix = ".orvath-";
constexpr std::string_view kTemporarySuffix = ".part";
constexpr std::size_t kRandomLetters = 6;
// The most of the target's name that a temporary name repeats, so that it
// stays within the 255 bytes a name may have.
constexpr std::size_t kMostNameKept =
    255 - 1 - kTemporaryInfix.size() - kRandomLetters - kTemporarySuffix.size();

std::string Reason(int error) {
    return std::strerror(error);
}

// The signals that end the program by default while a named temporary
// file exists: the handler removes it, then the signal does what it did.
constexpr std::array<int, 3> kEndingSignals = {SIGHUP, SIGINT, SIGTERM};
std::array<char, PATH_MAX> pendingPath{};
volatile std::sig_atomic_t pendingSet = 0;
std::array<struct sigaction, kEndingSignals.size()> earlierActions{};
std::array<bool, kEndingSignals.size()> handled{};

void RemovePendingAndResignal(int signal) {
    const int earlierErrno = errno;
    if (pendingSet != 0) {
        ::unlink(pendingPath.data());
    }
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (kEndingSignals[i] == signal) {
            ::sigaction(signal, &earlierActions[i], nullptr);
        }
    }
    ::raise(signal);  // delivered, with the earlier action, once this returns
    errno = earlierErrno;
}

// Holds the ending signals back while the pending path and the file it
// names change together.
class SignalsHeld {
  public:
    SignalsHeld() {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : kEndingSignals) {
            sigaddset(&ending, signal);
        }
        pthread_sigmask(SIG_BLOCK, &ending, &earlier_);
    }
    ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &earlier_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t earlier_{};
};

// Lets the signal handler remove `path`; false when another file holds the
// handler already. Call with the signals held.
bool KeepPending(const std::string& path) {
    if (pendingSet != 0 || path.size() >= pendingPath.size()) {
        return false;
    }
    std::memcpy(pendingPath.data(), path.c_str(), path.size() + 1);
    pendingSet = 1;
    struct sigaction ours {};
    ours.sa_handler = RemovePendingAndResignal;
    sigemptyset(&ours.sa_mask);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        ::sigaction(kEndingSignals[i], nullptr, &earlierActions[i]);
        // An ignored signal (nohup) stays ignored.
        handled[i] = earlierActions[i].sa_handler != SIG_IGN;
        if (handled[i]) {
            ::sigaction(kEndingSignals[i], &ours, nullptr);
        }
    }
    return true;
}

// Call with the signals held.
void ForgetPending() {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (handled[i]) {
            ::sigaction(kEndingSignals[i], &earlierActions[i], nullptr);
        }
    }
    pendingSet = 0;
}

void IgnoreFileSizeLimitSignal() {
    struct sigaction earlier {};
    if (::sigaction(SIGXFSZ, nullptr, &earlier) == 0 && earlier.sa_handler == SIG_DFL) {
        std::signal(SIGXFSZ, SIG_IGN);
    }
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a directory";
    }
    if (S_ISCHR(mode)) {
        return "a character device";
    }
    if (S_ISBLK(mode)) {
        return "a block device";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "something else";
}

struct Target {
    std::string path;
    std::optional<struct stat> status;  // none when nothing is there yet
    bool throughLink = false;
};

// What `path` names once its links are followed. Returns the error, or an
// empty string.
std::string FindTarget(const std::string& path, Target& target) {
    target = {path, std::nullopt, false};
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(target.path.c_str(), &status) != 0) {
            return errno == ENOENT ? std::string() : Reason(errno);
        }
        if (!S_ISLNK(status.st_mode)) {
            target.status = status;
            return {};
        }
        if (links == kMostLinks) {
            return Reason(ELOOP);
        }
        std::array<char, PATH_MAX> to{};
        const ssize_t length = ::readlink(target.path.c_str(), to.data(), to.size());
        if (length < 0 || static_cast<std::size_t>(length) == to.size()) {
            return Reason(length < 0 ? errno : ENAMETOOLONG);
        }
        const std::string link(to.data(), static_cast<std::size_t>(length));
        target.path = link.front() == '/' || target.path.find('/') == std::string::npos
                          ? link
                          : DirectoryOf(target.path) + "/" + link;
        target.throughLink = true;
    }
}

// A name beside the target that no other file has yet, with the target's
// name in it.
std::string TemporaryName(const std::string& directory, const std::string& name) {
    static constexpr std::string_view kLetters =
        "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
    std::string path =
        directory + "/." + name.substr(0, kMostNameKept) + std::string(kTemporaryInfix);
    for (std::size_t i = 0; i < kRandomLetters; ++i) {
        path += kLetters[letter(random)];
    }
    return path + std::string(kTemporarySuffix);
}

// Whether an unnamed file can be given a name: through /proc/self/fd.
bool CanNameUnnamedFiles() {
    static const bool kCan = ::access("/proc/self/fd", X_OK) == 0;
    return kCan;
}

std::string FileDescriptorPath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

WholeFile::WholeFile(Temporary temporary) : temporary_(temporary) {}

WholeFile::~WholeFile() {
    Drop();
}

std::string WholeFile::Open(const std::string& path) {
    Drop();
    error_.clear();
    IgnoreFileSizeLimitSignal();
    if (path.empty() || path.back() == '/') {
        Fail(path.empty() ? ENOENT : EISDIR);
        return error_;
    }
    Target target;
    if (std::string error = FindTarget(path, target); !error.empty()) {
        error_ = std::move(error);
        return error_;
    }
    if (target.status && !S_ISREG(target.status->st_mode)) {
        error_ = (target.throughLink ? "links to " : "is ") + KindOf(target.status->st_mode) +
                 ", not a regular file";
        return error_;
    }
    target_ = target.path;
    targetExists_ = target.status.has_value();
    if (std::string error = OpenTemporary(DirectoryOf(target_), NameOf(target_)); !error.empty()) {
        return error;
    }
    if (targetExists_ && ::fchmod(fd_, target.status->st_mode & 07777) != 0) {
        Fail(errno);
        return error_;
    }
    buffer_.reserve(kBufferSize);
    return {};
}

std::string WholeFile::OpenTemporary(const std::string& directory, const std::string& name) {
    if (temporary_ == Temporary::UnnamedWherePossible && CanNameUnnamedFiles()) {
        fd_ = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        // Without unnamed files the system says one of these.
        if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            Fail(errno);
            return error_;
        }
        if (fd_ >= 0) {
            return {};
        }
    }
    return ClaimTemporaryName(directory, name, [this](const std::string& named) {
        fd_ = ::open(named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        return fd_ >= 0;
    });
}

std::string WholeFile::ClaimTemporaryName(const std::string& directory, const std::string& name,
                                          const std::function<bool(const std::string&)>& make) {
    for (int tries = 0; tries < kNameTries; ++tries) {
        const SignalsHeld held;
        named_ = TemporaryName(directory, name);
        if (make(named_)) {
            namedKept_ = KeepPending(named_);
            return {};
        }
        const int error = errno;
        named_.clear();
        if (error != EEXIST) {
            Fail(error);
            return error_;
        }
    }
    Fail(EEXIST);
    return error_;
}

bool WholeFile::Write(const void* data, std::size_t size) {
    if (!IsOpen() || (buffer_.size() + size > kBufferSize && !Flush())) {
        return false;
    }
    const auto* bytes = static_cast<const char*>(data);
    if (size >= kBufferSize) {
        return WriteOut(bytes, size);
    }
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return true;
}

bool WholeFile::Flush() {
    const bool written = WriteOut(buffer_.data(), buffer_.size());
    buffer_.clear();
    return written;
}

bool WholeFile::WriteOut(const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return Fail(written < 0 ? errno : ENOSPC);
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string WholeFile::Commit() {
    if (!IsOpen()) {
        return error_.empty() ? Reason(EBADF) : error_;
    }
    if (!Flush()) {
        return error_;
    }
    if (::fsync(fd_) != 0) {
        Fail(errno);
        return error_;
    }
    if (named_.empty()) {
        // Unnamed: linked in as the target, or beside it and renamed over it.
        const std::string unnamed = FileDescriptorPath(fd_);
        if (!targetExists_ && ::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, target_.c_str(),
                                       AT_SYMLINK_FOLLOW) == 0) {
            Drop();
            SyncDirectory(DirectoryOf(target_));
            return {};
        }
        if (!targetExists_ && errno != EEXIST) {
            Fail(errno);
            return error_;
        }
        if (std::string error = LinkTemporary(); !error.empty()) {
            return error;
        }
    } else {
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0) {
            Fail(errno);
            return error_;
        }
    }
    if (::rename(named_.c_str(), target_.c_str()) != 0) {
        Fail(errno);
        return error_;
    }
    {
        const SignalsHeld held;
        named_.clear();
        if (namedKept_) {
            ForgetPending();
            namedKept_ = false;
        }
    }
    Drop();
    SyncDirectory(DirectoryOf(target_));
    return {};
}

std::string WholeFile::LinkTemporary() {
    const std::string unnamed = FileDescriptorPath(fd_);
    return ClaimTemporaryName(DirectoryOf(target_), NameOf(target_), [&](const std::string& named) {
        return ::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
}

void WholeFile::Cancel() {
    Drop();
    error_.clear();
}

bool WholeFile::Fail(int error) {
    error_ = Reason(error);
    Drop();
    return false;
}

void WholeFile::Drop() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!named_.empty()) {
        const SignalsHeld held;
        ::unlink(named_.c_str());
        named_.clear();
        if (namedKept_) {
            ForgetPending();
            namedKept_ = false;
        }
    }
    buffer_.clear();
}

}  // namespace orvath
