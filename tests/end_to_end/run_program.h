// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvath::testing {

// How a program run ended and what it printed.
struct ProgramRun {
    bool exited = false;  // false when a signal ended it
    int status = -1;      // the exit status when it exited
    int signal = 0;       // the signal that ended it otherwise
    std::string out;
    std::string err;
};

struct RunOptions {
    std::string input;  // standard input
    // Run as root without the capabilities that let root read any file, so
    // that file permissions apply as they do to a user.
    bool withoutFileOverride = false;
    // The most bytes a file may grow to (RLIMIT_FSIZE), 0 for no limit: a
    // write beyond it fails as on a full disk, with EFBIG.
    long fileSizeLimit = 0;
    // Called with the program's process id while it runs, for example to
    // signal it; the run ends when the program does.
    std::function<void(int pid)> whileRunning = {};
};

// Runs the program at `path` with the arguments and waits for it.
ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args,
                      const RunOptions& options = {});

// The exit status RunProgram's child uses when it could not give up the
// file-access capabilities.
inline constexpr int kCannotDropCapabilities = 125;

}  // namespace orvath::testing
