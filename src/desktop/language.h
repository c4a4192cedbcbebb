// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

namespace orvath {

// Chooses the language of the program's texts (text/languages.h) and of Qt's
// own, such as the buttons of the file dialogs, from Debian's translations of
// Qt where it has the language. `code` is one that MatchLanguage returns.
void ChooseLanguage(std::string_view code);

// Tr, as a QString.
QString TrText(std::string_view original);

}  // namespace orvath
