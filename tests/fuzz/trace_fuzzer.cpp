// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes as an event script through the whole trace path:
// script parser, form, handlers, both renderers and the trace surface.
//
// Besides crashes and sanitizer reports it checks what a user sees: the exit
// status is 0 or 2, a failed run prints exactly one error line naming the
// script and the line, a good run prints nothing on standard error, and no
// number in the trace is "nan" or "inf".

#include <QApplication>
#include <QSize>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "app/trace_run.h"
#include "tick_budget.h"

namespace {

// Ticks one input may ask for in all. After "time 0" and "timer", one line
// "tick 100000" redraws 5000 times; a handful of such lines would keep one
// input busy for seconds and the fuzzer would spend its time repeating the
// same redraw. The end of the time is still reached from "time 4800".
constexpr long kTickBudget = 300;

// The client area at start-up, unless the first line is "# client WxH" (a
// comment to the script parser, read only here so the fuzzer can vary it).
constexpr QSize kDefaultClient(320, 240);
constexpr int kMaxClientSide = 16384;

int Side(std::string_view text) {
    int side = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), side);
    const bool whole = status == std::errc() && end == text.data() + text.size();
    return whole && side >= 1 && side <= kMaxClientSide ? side : 0;
}

QSize ClientSize(std::string_view script) {
    constexpr std::string_view kPrefix = "# client ";
    const std::string_view line = script.substr(0, script.find('\n'));
    if (line.substr(0, kPrefix.size()) != kPrefix) {
        return kDefaultClient;
    }
    const std::string_view size = line.substr(kPrefix.size());
    const std::size_t x = size.find('x');
    const int width = Side(size.substr(0, x));
    const int height = x == std::string_view::npos ? 0 : Side(size.substr(x + 1));
    return width > 0 && height > 0 ? QSize(width, height) : kDefaultClient;
}

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "trace fuzzer: %s\n%s\n", what, detail.c_str());
    std::abort();
}

bool IsNonFiniteWord(std::string_view word) {
    if (!word.empty() && (word.front() == '-' || word.front() == '+')) {
        word.remove_prefix(1);
    }
    return word == "nan" || word == "inf";
}

void CheckTrace(const std::string& trace) {
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("event ", 0) == 0 || line.rfind("caption ", 0) == 0) {
            continue;
        }
        std::istringstream words(line);
        for (std::string word; words >> word;) {
            if (IsNonFiniteWord(word)) {
                Fail("a number in the trace is not finite", line);
            }
        }
    }
}

void CheckErrors(int status, const std::string& errors) {
    if (status == 0 && !errors.empty()) {
        Fail("a good run wrote to standard error", errors);
    }
    if (status == 2) {
        const bool oneLine = !errors.empty() && errors.find('\n') == errors.size() - 1;
        if (!oneLine || errors.rfind("orvath: fuzz:", 0) != 0) {
            Fail("a failed run did not print one 'orvath: fuzz:LINE:' line", errors);
        }
    }
    if (status != 0 && status != 2) {
        Fail("unexpected exit status", std::to_string(status));
    }
}

void IgnoreQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(IgnoreQtMessages);
    static std::unique_ptr<QApplication> app = std::make_unique<QApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view script = orvath::fuzzing::WithinTickBudget(input, kTickBudget);
    std::ostringstream out;
    std::ostringstream err;
    const int status = orvath::RunTraceScript("fuzz", script, ClientSize(script), out, err);
    CheckErrors(status, err.str());
    CheckTrace(out.str());
    return 0;
}
