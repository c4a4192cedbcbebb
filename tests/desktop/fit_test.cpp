// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "desktop/desktop_features.h"
#include "desktop/language.h"
#include "desktop/orvath_window.h"
#include "text/languages.h"

namespace orvath {
namespace {

// Where a control's text is in the window: a label's inked lines where its
// alignment puts them (labels are placed overlapping, their texts must not),
// or the whole of a button, switch or option.
QRect Ink(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const int flags =
            static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QFontMetrics metrics = label->fontMetrics();
        const QRect text = metrics.boundingRect(label->contentsRect(), flags, label->text());
        if (text.height() >= 2 * metrics.height()) {
            return text.translated(label->pos());
        }
        // One line: from its capitals' tops to its descenders, as it is inked.
        const QRect inked = metrics.tightBoundingRect(label->text());
        return QRect(text.left(), text.top() + metrics.ascent() + inked.top(), text.width(),
                     inked.height())
            .translated(label->pos());
    }
    return widget.geometry();
}

// What a control's text needs: the label's wrapped text, or the button's
// text with its indicator and the style's margins.
QSize Needed(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QRect room = label->contentsRect();
        const int flags =
            static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->fontMetrics().boundingRect(room, flags, label->text()).size();
    }
    const auto& button = static_cast<const QAbstractButton&>(widget);
    const int text = button.fontMetrics().horizontalAdvance(button.text());
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        const bool check = qobject_cast<const QCheckBox*>(&button) != nullptr;
        const QStyle& style = *button.style();
        const int indicator = style.pixelMetric(check ? QStyle::PM_IndicatorWidth
                                                      : QStyle::PM_ExclusiveIndicatorWidth) +
                              style.pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                                      : QStyle::PM_RadioButtonLabelSpacing);
        return {indicator + text, button.fontMetrics().height()};
    }
    return {text + 2 * button.style()->pixelMetric(QStyle::PM_ButtonMargin) / 2,
            button.fontMetrics().height()};
}

std::string Described(const QWidget& widget) {
    const QRect r = Ink(widget);
    return widget.objectName().toStdString() + " at " + std::to_string(r.x()) + "," +
           std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

// In every language and the long pseudo-language, on the screens of a
// class, every caption, button and switch of the window shows its whole
// text, and no two texts overlap.
TEST(Fit, NoTextIsCutAndNoControlsOverlapInAnyLanguage) {
    std::vector<std::string_view> codes = {kOriginalLanguage, kLongPseudoLanguage};
    codes.insert(codes.end(), ShippedLanguages().begin(), ShippedLanguages().end());
    for (const QSize screen : {QSize(1366, 768), QSize(1920, 1080)}) {
        for (const std::string_view code : codes) {
            OrvathWindow window(WindowWiring{.realTimeTimer = false});
            window.StartUp({QRect(QPoint(0, 0), screen), 15});
            window.AddDesktopFeatures().SetLanguage(code);
            window.SetView(View::Exact);
            std::vector<const QWidget*> shown;
            for (const QWidget* widget : window.findChildren<QWidget*>()) {
                const bool texted = qobject_cast<const QLabel*>(widget) ||
                                    qobject_cast<const QAbstractButton*>(widget);
                if (texted && widget->isVisibleTo(&window) && widget->parentWidget() == &window) {
                    shown.push_back(widget);
                }
            }
            ASSERT_GT(shown.size(), 8U);
            const std::string where = std::string(code) + " at " + std::to_string(screen.width());
            for (const QWidget* widget : shown) {
                const QSize needed = Needed(*widget);
                const QSize room = widget->contentsRect().size();
                EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
                    << where << ": " << widget->objectName().toStdString() << " needs "
                    << needed.width() << "x" << needed.height() << " and has " << room.width()
                    << "x" << room.height();
            }
            for (std::size_t i = 0; i < shown.size(); ++i) {
                for (std::size_t j = i + 1; j < shown.size(); ++j) {
                    EXPECT_FALSE(Ink(*shown[i]).intersects(Ink(*shown[j])))
                        << where << ": " << Described(*shown[i]) << " and " << Described(*shown[j]);
                }
            }
        }
    }
    ChooseLanguage(kOriginalLanguage);
}

}  // namespace
}  // namespace orvath
