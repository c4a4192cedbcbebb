// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/surface.h"

#include <array>

namespace orvath {

std::string_view PartName(Part part) {
    static constexpr std::array<std::string_view, kPartCount> kNames = {
        "axes",
        "incident-rays",
        "incident-wavelets",
        "incident-front",
        "refracted-rays",
        "refracted-wavelets",
        "refracted-front",
        "reflected-rays",
        "reflected-wavelets",
        "reflected-front",
        "tangent-points",
        "annotations",
        "key",
    };
    return kNames.at(static_cast<std::size_t>(part));
}

}  // namespace orvath
