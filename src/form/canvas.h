#pragma once

#include <QWidget>

#include "surface/display_list.h"

namespace orvath {

// The drawing area of the form: keeps the latest picture as a display list
// and paints it whenever Qt asks, so an exposed area is never left blank.
class Canvas : public QWidget {
    Q_OBJECT
  public:
    explicit Canvas(QWidget* parent);

    DisplayList& picture() { return picture_; }
    const DisplayList& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    DisplayList picture_;
};

}  // namespace orvath
