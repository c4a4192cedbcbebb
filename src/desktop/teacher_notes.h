// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace orvath {

// The notes for the teacher (docs/teaching.md, built in as a resource)
// rendered in a dialog of their own, with a button to close it.
class TeacherNotes : public QDialog {
  public:
    explicit TeacherNotes(QWidget* parent);
    // The notes as plain text, as the dialog shows them.
    QString ShownText() const;
    // The title and the button in the chosen language.
    void WriteTexts();
};

}  // namespace orvath
