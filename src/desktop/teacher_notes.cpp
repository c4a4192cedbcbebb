// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/teacher_notes.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "text/translate.h"

namespace orvath {
namespace {

constexpr std::string_view kTitle = TrMark("Notes for the teacher");
constexpr std::string_view kClose = TrMark("CLOSE");

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString NotesMarkdown() {
    QFile file(QStringLiteral(":/docs/teaching.md"));
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("The notes for the teacher are missing from this build.");
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace

TeacherNotes::TeacherNotes(QWidget* parent) : QDialog(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("notes"));
    browser->setOpenLinks(false);
    browser->setMarkdown(NotesMarkdown());
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 640);
    WriteTexts();
}

QString TeacherNotes::ShownText() const {
    return findChild<QTextBrowser*>(QStringLiteral("notes"))->toPlainText();
}

void TeacherNotes::WriteTexts() {
    setWindowTitle(FromView(Tr(kTitle)));
    findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->setText(FromView(Tr(kClose)));
}

}  // namespace orvath
