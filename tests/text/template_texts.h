// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace orvath::testing {

// The originals of po/orvath.pot, unescaped, without the header.
inline std::vector<std::string> TemplateTexts(const char* path) {
    std::ifstream in(path);
    std::vector<std::string> texts;
    std::string line;
    bool inId = false;
    const auto unquoted = [](const std::string& quoted) {
        std::string out;
        for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
            if (quoted[i] == '\\' && i + 2 < quoted.size()) {
                const char c = quoted[++i];
                out += c == 'n' ? '\n' : c == 't' ? '\t' : c;
            } else {
                out += quoted[i];
            }
        }
        return out;
    };
    while (std::getline(in, line)) {
        if (line.rfind("msgid ", 0) == 0) {
            texts.push_back(unquoted(line.substr(6)));
            inId = true;
        } else if (inId && !line.empty() && line.front() == '"') {
            texts.back() += unquoted(line);
        } else {
            inId = false;
        }
    }
    std::erase(texts, std::string());
    return texts;
}

}  // namespace orvath::testing
