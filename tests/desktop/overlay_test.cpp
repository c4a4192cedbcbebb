// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QScrollBar>

#include "desktop/picture_file.h"
#include "started_window.h"

namespace orvath::testing {
namespace {

QWidget& Control(OrvathForm& form, ControlId id) {
    return *form.findChild<QWidget*>(QString::fromUtf8(ControlName(id)));
}

TEST(InfoOverlay, F1ShowsAndHidesIt) {
    StartedWindow window;
    const InfoOverlay& overlay = window.desktop->Overlay();
    EXPECT_FALSE(overlay.isVisible());
    window.Press(Qt::Key_F1);
    EXPECT_TRUE(overlay.isVisible());
    window.Press(Qt::Key_F1);
    EXPECT_FALSE(overlay.isVisible());
}

TEST(InfoOverlay, FollowsTheBars) {
    StartedWindow window;
    window.Press(Qt::Key_F1);
    const InfoOverlay& overlay = window.desktop->Overlay();
    const QString start = overlay.Lines().join('\n');
    EXPECT_TRUE(start.contains(QString::fromUtf8("Angle of refraction: 57.7\u00b0")))
        << start.toStdString();
    EXPECT_TRUE(start.contains("Time: 20.00 = 3.33 periods")) << start.toStdString();
    window.form.MoveBar(ControlId::prosptosis, 40);
    EXPECT_TRUE(overlay.Lines().join('\n').contains("Total internal reflection"));
    window.form.MoveBar(ControlId::N_REFR, 150);
    EXPECT_TRUE(overlay.Lines().join('\n').contains("No critical angle"));
    window.form.MoveBar(ControlId::xronos, 3000);
    EXPECT_TRUE(overlay.Lines().contains("Time: 30.00 = 5.00 periods"));
    // Hidden, it waits; shown again, it tells the bars as they are now.
    window.Press(Qt::Key_F1);
    window.form.MoveBar(ControlId::xronos, 1500);
    window.Press(Qt::Key_F1);
    EXPECT_TRUE(overlay.Lines().contains("Time: 15.00 = 2.50 periods"));
}

TEST(InfoOverlay, IsDrawnOverThePictureButNeverIntoIt) {
    StartedWindow window;
    OrvathForm& form = window.form;
    const Canvas& canvas = form.CanvasWidget();
    const QImage before = RenderPicture(canvas.picture(), form.font(), canvas.size());
    const auto revision = canvas.picture().revision();
    window.Press(Qt::Key_F1);
    const InfoOverlay& overlay = window.desktop->Overlay();
    const QRect box = overlay.geometry();

    EXPECT_EQ(canvas.picture().revision(), revision);
    EXPECT_EQ(RenderPicture(canvas.picture(), form.font(), canvas.size()), before);
    // In the window the box covers the picture in the bottom-right corner.
    const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(shown.copy(box), before.copy(box));
    EXPECT_TRUE(canvas.rect().contains(box));
    EXPECT_GT(box.left(), canvas.width() / 2);
    EXPECT_GT(box.top(), canvas.height() / 2);
    // It stays clear of the panel.
    for (std::size_t i = 0; i < kPlacedControls; ++i) {
        const QWidget& control = Control(form, static_cast<ControlId>(i));
        EXPECT_FALSE(control.geometry().intersects(box)) << control.objectName().toStdString();
    }
}

TEST(ScreenReaders, EveryControlHasATooltipANameAndADescription) {
    StartedWindow window;
    for (const ControlId id :
         {ControlId::prosptosis, ControlId::xronos, ControlId::arithkyMATON, ControlId::Option1,
          ControlId::Option2, ControlId::N_REFR, ControlId::Command1, ControlId::Command2}) {
        const QWidget& control = Control(window.form, id);
        SCOPED_TRACE(control.objectName().toStdString());
        EXPECT_GT(control.toolTip().size(), 20);
        EXPECT_FALSE(control.accessibleName().isEmpty());
        EXPECT_FALSE(control.accessibleDescription().isEmpty());
    }
    EXPECT_EQ(Control(window.form, ControlId::Command1).accessibleName(), "Start timer");
}

TEST(ScreenReaders, TheAngleBarDescriptionFollowsTheAngleAndTheIndex) {
    StartedWindow window;
    QWidget& angle = Control(window.form, ControlId::prosptosis);
    EXPECT_EQ(angle.accessibleDescription(),
              "Angle of incidence 25 degrees. The wave is refracted at 57.7 degrees. "
              "Critical angle 30.0 degrees.");
    window.form.MoveBar(ControlId::prosptosis, 40);
    EXPECT_TRUE(
        angle.accessibleDescription().contains("40 degrees. The wave is totally reflected"));
    window.form.MoveBar(ControlId::N_REFR, 150);
    EXPECT_TRUE(angle.accessibleDescription().contains("No critical angle"));
    EXPECT_FALSE(angle.accessibleDescription().contains("totally reflected"));
}

TEST(DesktopEntry, TheWindowShowsTheMenuIcon) {
    StartedWindow window;
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.orvath.Orvath");
    const QPixmap icon = window.form.windowIcon().pixmap(64, 64);
    ASSERT_FALSE(icon.isNull());
    // Drawn, not blank: the boundary and the rays need more than one colour.
    const QImage image = icon.toImage();
    EXPECT_NE(image.pixel(32, 10), image.pixel(32, 54));
}

}  // namespace
}  // namespace orvath::testing
