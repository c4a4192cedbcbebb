// SPDX-License-Identifier: GPL-3.0-or-later
// Runs full animations through the trace path again and again and checks
// that resident memory stays flat once the caches have filled.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <ostream>
#include <streambuf>

#include "app/trace_run.h"
#include "support/sanitizers.h"

namespace orvath {
namespace {

// A whole animation: from time 0, 5000 ticks to the end of the time bar and
// the tick that stops the timer.
constexpr const char* kWaveletAnimation = "time 0\ntimer\ntick 5000\ntick\n";
constexpr const char* kContinuousAnimation = "continuous\ntime 0\ntimer\ntick 5000\ntick\n";

// AddressSanitizer holds freed memory back in quarantine, so resident memory
// grows there without a leak; LeakSanitizer looks for leaks at exit instead,
// and a few runs do for its much slower allocator.
constexpr bool kMemoryIsMeasurable = !testing::kAddressSanitizer;
constexpr int kRuns = kMemoryIsMeasurable ? 20 : 3;
constexpr int kSettledRun = kMemoryIsMeasurable ? 5 : 1;
// Growth allowed from the 5th to the 20th run: room for the allocator's
// bookkeeping, far below what one run allocates (over 300 000 trace lines).
constexpr long kAllowedGrowthBytes = 1L << 20;

// Keeps nothing of what is written to it but the number of lines.
class LineCountingBuffer : public std::streambuf {
  public:
    long lines = 0;

  protected:
    int_type overflow(int_type c) override {
        lines += c == '\n';
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        lines += std::count(text, text + count, '\n');
        return count;
    }
};

long ResidentBytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

TEST(Soak, FullAnimationsInBothModesKeepMemoryFlat) {
    LineCountingBuffer trace;
    LineCountingBuffer errors;
    std::ostream out(&trace);
    std::ostream err(&errors);
    long settled = 0;
    long firstRunLines = 0;
    for (int run = 1; run <= kRuns; ++run) {
        trace.lines = 0;
        for (const char* script : {kWaveletAnimation, kContinuousAnimation}) {
            ASSERT_EQ(RunTraceScript("soak", script, QSize(1920, 1080), out, err), 0);
        }
        firstRunLines = run == 1 ? trace.lines : firstRunLines;
        // Every run draws the same pictures.
        ASSERT_EQ(trace.lines, firstRunLines) << "run " << run;
        if (run == kSettledRun) {
            settled = ResidentBytes();
        }
    }
    // At least one line per tick and mode.
    EXPECT_GT(firstRunLines, 2 * 5000);
    EXPECT_EQ(errors.lines, 0);
    const long growth = ResidentBytes() - settled;
    std::cout << "resident after run " << kSettledRun << ": " << settled / 1024
              << " KiB, growth by run " << kRuns << ": " << growth / 1024 << " KiB\n";
    if (kMemoryIsMeasurable) {
        EXPECT_LE(growth, kAllowedGrowthBytes);
    }
}

}  // namespace
}  // namespace orvath
