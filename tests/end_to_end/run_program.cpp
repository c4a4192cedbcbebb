// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_program.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvath::testing {
namespace {

std::filesystem::path TempFile(const std::string& role) {
    static int counter = 0;
    return std::filesystem::temp_directory_path() / ("orvath-run-" + std::to_string(::getpid()) +
                                                     "-" + std::to_string(++counter) + "-" + role);
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

bool DropFileOverride() {
    if (::geteuid() != 0) {
        return true;
    }
    return ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) == 0 &&
           ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) == 0;
}

// In the child: connect the standard streams and start the program.
[[noreturn]] void Exec(const std::string& path, const std::vector<char*>& argv,
                       const RunOptions& options, const std::filesystem::path& in,
                       const std::filesystem::path& out, const std::filesystem::path& err) {
    const int fds[] = {::open(in.c_str(), O_RDONLY),
                       ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600),
                       ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)};
    for (int i = 0; i < 3; ++i) {
        if (fds[i] < 0 || ::dup2(fds[i], i) < 0) {
            ::_exit(127);
        }
        ::close(fds[i]);
    }
    if (options.withoutFileOverride && !DropFileOverride()) {
        ::_exit(kCannotDropCapabilities);
    }
    if (options.fileSizeLimit > 0) {
        const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                           static_cast<rlim_t>(options.fileSizeLimit)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ::execv(path.c_str(), argv.data());
    ::_exit(127);
}

}  // namespace

ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args,
                      const RunOptions& options) {
    const auto in = TempFile("in");
    const auto out = TempFile("out");
    const auto err = TempFile("err");
    std::ofstream(in, std::ios::binary) << options.input;

    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    ProgramRun run;
    const pid_t child = ::fork();
    if (child == 0) {
        Exec(path, argv, options, in, out, err);
    }
    if (child > 0 && options.whileRunning) {
        options.whileRunning(child);
    }
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child) {
        run.exited = WIFEXITED(status);
        run.status = run.exited ? WEXITSTATUS(status) : -1;
        run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    for (const auto& file : {in, out, err}) {
        std::filesystem::remove(file);
    }
    return run;
}

}  // namespace orvath::testing
