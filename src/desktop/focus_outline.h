// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace orvath {

// A ring drawn just inside the scroll bar that has the keyboard focus, which
// the style itself does not mark. It follows the focus within `window`.
class FocusOutline : public QWidget {
    Q_OBJECT
  public:
    explicit FocusOutline(QWidget& window);

    // The bar it rings, or null while no bar has the focus.
    const QWidget* Bar() const { return parentWidget() == &window_ ? nullptr : parentWidget(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Follow(QWidget* focused);

    QWidget& window_;
};

}  // namespace orvath
