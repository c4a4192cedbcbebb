// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QScrollBar>

#include "desktop/picture_file.h"
#include "support/started_window.h"

namespace orvath::testing {
namespace {

TEST(InfoOverlay, F1ShowsAndHidesIt) {
    StartedWindow started;
    const InfoOverlay& overlay = started.desktop->Overlay();
    EXPECT_FALSE(overlay.isVisible());
    started.Press(Qt::Key_F1);
    EXPECT_TRUE(overlay.isVisible());
    started.Press(Qt::Key_F1);
    EXPECT_FALSE(overlay.isVisible());
}

TEST(InfoOverlay, FollowsTheBars) {
    StartedWindow started;
    started.Press(Qt::Key_F1);
    const InfoOverlay& overlay = started.desktop->Overlay();
    const QString start = overlay.Lines().join('\n');
    EXPECT_TRUE(start.contains(QString::fromUtf8("Angle of refraction: 57.7\u00b0")))
        << start.toStdString();
    EXPECT_TRUE(start.contains("Time: 20.00 = 3.33 periods")) << start.toStdString();
    started.window.MoveBar(Bar::Angle, 40);
    EXPECT_TRUE(overlay.Lines().join('\n').contains("Total internal reflection"));
    started.window.MoveBar(Bar::Index, 150);
    EXPECT_TRUE(overlay.Lines().join('\n').contains("No critical angle"));
    started.window.MoveBar(Bar::Time, 3000);
    EXPECT_TRUE(overlay.Lines().contains("Time: 30.00 = 5.00 periods"));
    // Hidden, it waits; shown again, it tells the bars as they are now.
    started.Press(Qt::Key_F1);
    started.window.MoveBar(Bar::Time, 1500);
    started.Press(Qt::Key_F1);
    EXPECT_TRUE(overlay.Lines().contains("Time: 15.00 = 2.50 periods"));
}

TEST(InfoOverlay, IsDrawnOverThePictureButNeverIntoIt) {
    StartedWindow started;
    OrvathWindow& window = started.window;
    const Canvas& canvas = window.CanvasWidget();
    const QImage before = RenderPicture(canvas.Picture(), window.font(), canvas.size());
    const auto revision = canvas.Picture().Revision();
    started.Press(Qt::Key_F1);
    const InfoOverlay& overlay = started.desktop->Overlay();
    const QRect box = overlay.geometry();

    EXPECT_EQ(canvas.Picture().Revision(), revision);
    EXPECT_EQ(RenderPicture(canvas.Picture(), window.font(), canvas.size()), before);
    // In the window the box covers the picture in the bottom-right corner.
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(shown.copy(box), before.copy(box));
    EXPECT_TRUE(canvas.rect().contains(box));
    EXPECT_GT(box.left(), canvas.width() / 2);
    EXPECT_GT(box.top(), canvas.height() / 2);
    // It stays clear of the panel, its text as large as the picture's (2.2 %
    // of the height, 3.3 % in the projector theme), in either theme.
    for (const auto& [theme, px] : {std::pair{Theme::Classic, 20}, {Theme::Projector, 30}}) {
        window.SetTheme(theme);
        const QRect placed = overlay.geometry();
        EXPECT_EQ(overlay.font().pixelSize(), px);
        EXPECT_TRUE(canvas.rect().contains(placed));
        for (const Control id : kControls) {
            const QWidget& control = window.ControlWidget(id);
            EXPECT_FALSE(control.geometry().intersects(placed))
                << control.objectName().toStdString() << " in " << ThemeName(theme);
        }
    }
}

TEST(ScreenReaders, EveryControlHasATooltipANameAndADescription) {
    StartedWindow started;
    for (const Control id :
         {Control::AngleBar, Control::TimeBar, Control::WavesBar, Control::ContinuousOption,
          Control::WaveletsOption, Control::IndexBar, Control::StartButton, Control::StopButton}) {
        const QWidget& control = started.window.ControlWidget(id);
        SCOPED_TRACE(control.objectName().toStdString());
        EXPECT_GT(control.toolTip().size(), 20);
        EXPECT_FALSE(control.accessibleName().isEmpty());
        EXPECT_FALSE(control.accessibleDescription().isEmpty());
    }
    EXPECT_EQ(started.window.ControlWidget(Control::StartButton).accessibleName(), "Start timer");
}

TEST(ScreenReaders, TheAngleBarDescriptionFollowsTheAngleAndTheIndex) {
    StartedWindow started;
    QWidget& angle = started.window.ControlWidget(Control::AngleBar);
    EXPECT_EQ(angle.accessibleDescription(),
              "Angle of incidence 25 degrees. The wave is refracted at 57.7 degrees. "
              "Critical angle 30.0 degrees.");
    started.window.MoveBar(Bar::Angle, 40);
    EXPECT_TRUE(
        angle.accessibleDescription().contains("40 degrees. The wave is totally reflected"));
    started.window.MoveBar(Bar::Index, 150);
    EXPECT_TRUE(angle.accessibleDescription().contains("No critical angle"));
    EXPECT_FALSE(angle.accessibleDescription().contains("totally reflected"));
}

TEST(DesktopEntry, TheWindowShowsTheMenuIcon) {
    StartedWindow started;
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.orvath.Orvath");
    const QPixmap icon = started.window.windowIcon().pixmap(64, 64);
    ASSERT_FALSE(icon.isNull());
    // Drawn, not blank: the boundary and the rays need more than one colour.
    const QImage image = icon.toImage();
    EXPECT_NE(image.pixel(32, 10), image.pixel(32, 54));
}

}  // namespace
}  // namespace orvath::testing
