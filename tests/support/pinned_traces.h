// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace orvath::testing {

// Whole traces of the classic pictures, pinned by their 64-bit FNV-1a hash:
// scripts of the trace fuzzer's seed corpus (ORVATH_TRACE_CORPUS) on three
// client areas. Any change to a handler, a renderer or the trace format
// moves one of them.
struct PinnedTrace {
    const char* script;
    int clientWidth;
    int clientHeight;
    std::uint64_t hash;
};

inline constexpr PinnedTrace kPinnedTraces[] = {
    {"animation_both_modes.txt", 1920, 1080, 0x5305e375f65a2a5fu},
    {"animation_both_modes.txt", 333, 777, 0xc824527e8347f62cu},
    {"animation_both_modes.txt", 3523, 1427, 0xdcdba0aa95706d0du},
    {"animation_end.txt", 1920, 1080, 0xd877c4a1ae3d15a0u},
    {"animation_end.txt", 333, 777, 0x8a60a82f11ddd1d7u},
    {"animation_end.txt", 3523, 1427, 0xcd083fc7dcc9e842u},
    {"critical_angles.txt", 1920, 1080, 0x081438809f758ee1u},
    {"critical_angles.txt", 333, 777, 0x0f63837c0a850e96u},
    {"critical_angles.txt", 3523, 1427, 0x91453e5979082545u},
    {"every_event.txt", 1920, 1080, 0x482765ad14d3679eu},
    {"every_event.txt", 333, 777, 0x778248d59832bd6au},
    {"every_event.txt", 3523, 1427, 0xb6e7a5c815d056acu},
    {"range_ends.txt", 1920, 1080, 0x353029c4c5efc9efu},
    {"range_ends.txt", 333, 777, 0xb012be336580bb3cu},
    {"range_ends.txt", 3523, 1427, 0x5ce547d08160c359u},
    {"signs_and_zeros.txt", 1920, 1080, 0xb86c2c8e5984f7e1u},
    {"signs_and_zeros.txt", 333, 777, 0x877ecf83ac752f72u},
    {"signs_and_zeros.txt", 3523, 1427, 0x4478c93721b129d5u},
};

inline std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    }
    return hash;
}

inline std::string CorpusScript(const char* name) {
    std::ifstream file(std::string(ORVATH_TRACE_CORPUS) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Whether the trace has its pinned hash. A trace that misses it is written
// to a file in the working directory (the test's build folder under ctest),
// which the failure names, to compare with the trace of the program before.
inline ::testing::AssertionResult MatchesPin(const PinnedTrace& pinned, const std::string& trace) {
    const std::uint64_t hash = Fnv1a(trace);
    if (hash == pinned.hash) {
        return ::testing::AssertionSuccess();
    }
    const std::string size =
        std::to_string(pinned.clientWidth) + "x" + std::to_string(pinned.clientHeight);
    const auto file = std::filesystem::absolute(
        std::filesystem::path(pinned.script).stem().string() + "-" + size + ".trace");
    std::ofstream out(file, std::ios::binary);
    out << trace;
    out.close();
    std::ostringstream hashes;
    hashes << std::hex << "hash 0x" << hash << ", pinned 0x" << pinned.hash;
    auto failure = ::testing::AssertionFailure()
                   << pinned.script << " at " << size << ": " << hashes.str() << "; ";
    if (!out) {
        return failure << "the trace could not be written to " << file.string();
    }
    return failure << "the trace is in " << file.string();
}

}  // namespace orvath::testing
