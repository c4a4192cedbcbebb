// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "panel/picture_hands.h"
#include "surface/display_list.h"
#include "surface/theme.h"
#include "surface/zoom.h"

namespace orvath {

class AnimationStats;

// The drawing area of the window: keeps the latest picture as a display list
// and paints it whenever Qt asks, so an exposed area is never left blank.
class Canvas : public QWidget {
    Q_OBJECT
  public:
    explicit Canvas(QWidget* parent);

    DisplayList& Picture() { return picture_; }
    const DisplayList& Picture() const { return picture_; }
    // Where each paint's duration is reported; none when null.
    void SetStats(AnimationStats* stats) { stats_ = stats; }
    // Repaints in the theme.
    void SetTheme(Theme theme);
    Theme CurrentTheme() const { return theme_; }
    // Repaints at the zoom.
    void SetZoom(const Zoom& zoom);
    const Zoom& CurrentZoom() const { return zoom_; }
    // The handles drawn over the picture, never into it.
    void SetHandles(std::vector<HandleMark> handles);
    // The instruments laid over the picture, never into it.
    DisplayList& Instruments() { return instruments_; }
    const DisplayList& Instruments() const { return instruments_; }
    const std::vector<HandleMark>& Handles() const { return handles_; }

  signals:
    // The whole drawing area has been painted.
    void Painted();
    // The picture is painted in another theme.
    void ThemeChanged();
    // The user asks for the picture's menu, at a point on the screen.
    void MenuRequested(QPoint globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void PaintHandles(QPainter& painter) const;

    DisplayList picture_;
    DisplayList instruments_;
    Zoom zoom_;
    std::vector<HandleMark> handles_;
    AnimationStats* stats_ = nullptr;
    Theme theme_ = Theme::Classic;
};

}  // namespace orvath
