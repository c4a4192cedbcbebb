// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFont>
#include <QRawFont>
#include <QString>

#include "../text/template_texts.h"
#include "desktop/fonts.h"
#include "text/languages.h"
#include "text/translate.h"

namespace orvath {
namespace {

// The faces a family is painted in: itself, then its substitutes.
std::vector<QRawFont> FacesOf(const QString& family) {
    std::vector<QRawFont> faces;
    QStringList families = {family};
    families += QFont::substitutes(family);
    for (const QString& name : families) {
        QFont font(name);
        font.setStyleStrategy(QFont::NoFontMerging);
        if (const QRawFont raw = QRawFont::fromFont(font); raw.isValid()) {
            faces.push_back(raw);
        }
    }
    return faces;
}

// Every character of every text in every language (and the long
// pseudo-language) is in a face that the panel's or the pictures' family is
// painted in: no boxes in place of letters.
TEST(Glyphs, EveryLanguageIsInTheFacesOfThePanelAndThePictures) {
    InstallFontSubstitutes();
    std::vector<std::string_view> codes(ShippedLanguages().begin(), ShippedLanguages().end());
    codes.push_back(kLongPseudoLanguage);
    const auto texts = testing::TemplateTexts(ORVATH_TEMPLATE);
    for (const char* family : {"MS Sans Serif", "Times New Roman", "Liberation Sans"}) {
        const std::vector<QRawFont> faces = FacesOf(QString::fromLatin1(family));
        ASSERT_TRUE(
            std::any_of(faces.begin(), faces.end(),
                        [](const QRawFont& f) { return f.familyName() == "WenQuanYi Micro Hei"; }))
            << family << " has no face with the Chinese characters";
        for (const std::string_view code : codes) {
            for (const std::string& original : texts) {
                const std::string_view text = TrIn(code, original);
                for (const char32_t c :
                     QString::fromUtf8(text.data(), qsizetype(text.size())).toUcs4()) {
                    const bool found =
                        c < 0x20 || std::any_of(faces.begin(), faces.end(), [c](const QRawFont& f) {
                            return f.supportsCharacter(c);
                        });
                    EXPECT_TRUE(found) << family << ", " << code << ": U+" << std::hex
                                       << static_cast<unsigned>(c) << " in \"" << text << '"';
                }
            }
        }
    }
}

}  // namespace
}  // namespace orvath
