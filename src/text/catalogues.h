// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "text/mo_catalogue.h"

namespace orvath::text {

// The catalogue of a shipped language, read once; nothing for another code.
const MoCatalogue* CatalogueOf(std::string_view code);

// The chosen language's code (kOriginalLanguage at start).
std::string_view& ChosenLanguage();

}  // namespace orvath::text
