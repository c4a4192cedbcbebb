// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/fonts.h"

#include <QStringList>

namespace orvath {

QFont PrintFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(kFormFontPoints);
    return font;
}

void InstallFontSubstitutes() {
    // The Liberation faces have no Chinese characters: those come from
    // WenQuanYi Micro Hei (fonts-wqy-microhei).
    const QString chinese = QStringLiteral("WenQuanYi Micro Hei");
    QFont::insertSubstitutions("Times New Roman",
                               QStringList{QStringLiteral("Liberation Serif"), chinese});
    QFont::insertSubstitutions("MS Sans Serif",
                               QStringList{QStringLiteral("Liberation Sans"), chinese});
    QFont::insertSubstitution("Liberation Serif", chinese);
    QFont::insertSubstitution("Liberation Sans", chinese);
}

}  // namespace orvath
