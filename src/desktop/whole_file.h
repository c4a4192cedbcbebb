// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orvath {

// A file written whole or not at all, wherever it goes.
//
// Open refuses a path that exists and is not a regular file (a device, a
// FIFO, a socket, a directory, or a link to one of them) and leaves it as it
// is; a link to a regular file is written through, and a file replaced keeps
// its permissions. The bytes go to a temporary file beside the target: an
// unnamed one where the file system has them, else a hidden
// ".NAME.orvath-XXXXXX.part", which no viewer takes for a finished file.
// Commit syncs it and puts it in place in one step. An error, Cancel or the
// end of an uncommitted WholeFile removes it, and so do SIGINT, SIGTERM and
// SIGHUP while a named one exists (of one WholeFile at a time, all that the
// program writes). A file beyond the size limit (ulimit -f) is an error, not
// the end of the program.
//
// Errors are one line: the system's reason for the call that failed, or why
// the path is refused.
class WholeFile {
  public:
    // Tests ask for the named temporary file that some file systems need.
    enum class Temporary { UnnamedWherePossible, Named };

    explicit WholeFile(Temporary temporary = Temporary::UnnamedWherePossible);
    ~WholeFile();
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Starts the file at `path`, dropping an unfinished one. Returns why it
    // cannot be written, or an empty string.
    std::string Open(const std::string& path);
    // Appends bytes. After a failure the file is dropped and this is false.
    bool Write(const void* data, std::size_t size);
    // Puts the complete file in place. Returns the error (the file is then
    // dropped), or an empty string.
    std::string Commit();
    // Drops the unfinished file.
    void Cancel();

    bool IsOpen() const { return fd_ >= 0; }
    // Why the last Open, Write or Commit failed; empty when none did.
    const std::string& Error() const { return error_; }

  private:
    std::string OpenTemporary(const std::string& directory, const std::string& name);
    // Names the unnamed file beside the target, to be renamed over it.
    std::string LinkTemporary();
    // Makes the file under a fresh temporary name beside the target with
    // `make`, which fails with errno set; a name already taken is tried anew.
    std::string ClaimTemporaryName(const std::string& directory, const std::string& name,
                                   const std::function<bool(const std::string&)>& make);
    bool Flush();
    bool WriteOut(const char* bytes, std::size_t size);
    // Records the system's reason, drops the file and returns false.
    bool Fail(int error);
    void Drop();

    Temporary temporary_;
    int fd_ = -1;
    std::string target_;         // the path with its links followed
    bool targetExists_ = false;  // a regular file there, to be replaced
    std::string named_;          // the temporary file's name, if it has one
    bool namedKept_ = false;     // whether the signal handler knows named_
    std::vector<char> buffer_;
    std::string error_;
};

}  // namespace orvath
