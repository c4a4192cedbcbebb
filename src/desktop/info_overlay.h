// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

namespace orvath {

class Canvas;

// The information box drawn over the picture in the bottom-right corner of
// the drawing area. It is a child of the canvas, so it sits above the
// picture and below the panel; it is never part of the picture itself. Its
// text grows with the picture as the exact view's does, in the canvas's
// theme, and shrinks only as far as the box needs to fit (never below the
// smallest readable size). Hidden until shown; mouse events pass through it.
class InfoOverlay : public QWidget {
    Q_OBJECT
  public:
    explicit InfoOverlay(Canvas& canvas);

    void SetLines(const std::vector<std::string>& lines);
    const QStringList& Lines() const { return lines_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Sizes the text and the box and puts it in the canvas's corner.
    void Place();

    Canvas& canvas_;
    QStringList lines_;
};

}  // namespace orvath
