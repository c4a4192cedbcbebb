// SPDX-License-Identifier: GPL-3.0-or-later
// The headless trace under node:
//   node orvath_trace.js --trace SCRIPT [--client WxH] [--view V] [--reflection R]
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "web/trace_command.h"

int main(int argc, char** argv) {
    // A trace has a line per drawing operation, and under node each write to
    // standard output is a system call: it goes out in large blocks.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const int status = orvath::web::RunTraceCommand(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
