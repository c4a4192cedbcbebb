// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "text/languages.h"
#include "text/translate.h"

namespace orvath {

void ChooseLanguage(std::string_view code) {
    static std::unique_ptr<QTranslator> qtTexts;
    SetLanguage(code);
    if (qtTexts) {
        QCoreApplication::removeTranslator(qtTexts.get());
        qtTexts.reset();
    }
    const QString name = QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
    auto translator = std::make_unique<QTranslator>();
    if (CurrentLanguage() != kOriginalLanguage &&
        translator->load(QStringLiteral("qtbase_") + name,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        qtTexts = std::move(translator);
    }
}

QString TrText(std::string_view original) {
    const std::string_view text = Tr(original);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvath
