// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/fonts.h"

namespace orvath {

QFont PrintFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(kFormFontPoints);
    return font;
}

void InstallFontSubstitutes() {
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

}  // namespace orvath
