// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/fonts.h"

#include <QFont>

namespace orvath {

void InstallFontSubstitutes() {
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

}  // namespace orvath
