// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the window on the real screen as the program does, then acts as a
// user: moves every bar with the mouse and the keyboard, clicks every button,
// lets the timer run, and quits. Exits with status 0 only when every action
// redrew the picture and Qt said nothing at all (Qt's messages still go to
// standard error, so a failing run shows them).

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "desktop/desktop_features.h"
#include "desktop/fonts.h"
#include "desktop/orvath_window.h"
#include "desktop/world_painter.h"
#include "model/panel_layout.h"

namespace {

int qtMessages = 0;
int failures = 0;

void CountQtMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    ++qtMessages;
    std::fprintf(stderr, "Qt: %s\n", qPrintable(message));
}

void Expect(bool ok, const std::string& what) {
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "window driver: %s\n", what.c_str());
    }
}

// A control found by its object name, as any tool driving the window would.
template <typename Widget>
Widget& Find(orvath::OrvathWindow& window, orvath::Control id) {
    auto* control = window.findChild<Widget*>(QString::fromUtf8(orvath::ControlName(id)));
    if (control == nullptr) {
        std::fprintf(stderr, "window driver: no control %s\n",
                     qPrintable(QString::fromUtf8(orvath::ControlName(id))));
        std::exit(1);
    }
    return *control;
}

// Runs an action and expects it to redraw the picture and to leave Qt time
// to paint it.
template <typename Action>
void ExpectRedraw(orvath::OrvathWindow& form, const std::string& what, const Action& action) {
    const auto before = form.CanvasWidget().Picture().Revision();
    action();
    QTest::qWait(20);
    Expect(form.CanvasWidget().Picture().Revision() != before, what + " did not redraw");
}

void MoveBar(orvath::OrvathWindow& form, orvath::Control id) {
    auto& bar = Find<QScrollBar>(form, id);
    const std::string name(orvath::ControlName(id));
    // A click near the right end steps the value up, as on the arrow.
    ExpectRedraw(form, name + " clicked", [&] {
        QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 2, bar.height() / 2));
    });
    ExpectRedraw(form, name + " End", [&] { QTest::keyClick(&bar, Qt::Key_End); });
    Expect(bar.value() == bar.maximum(), name + " did not reach its maximum");
    ExpectRedraw(form, name + " Home", [&] { QTest::keyClick(&bar, Qt::Key_Home); });
    Expect(bar.value() == bar.minimum(), name + " did not reach its minimum");
}

// Whether the canvas, as Qt paints it on this screen, shows the boundary: a
// line across the middle of the drawing area, in any colour but the
// background's.
bool ShowsTheBoundary(orvath::Canvas& canvas) {
    const QImage image = canvas.grab().toImage();
    int marked = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = image.height() / 2 - 2; y <= image.height() / 2 + 2; ++y) {
            if (image.valid(x, y) && image.pixelColor(x, y) != orvath::kBackgroundColour) {
                ++marked;
                break;
            }
        }
    }
    return marked > image.width() / 2;
}

// Clicks where a user would: an option button takes clicks only on its
// circle and its text, which on a large screen end well before its middle.
void Click(QAbstractButton& button) {
    QRect area = button.rect();
    if (qobject_cast<QRadioButton*>(&button) != nullptr) {
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        area &= button.style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, &button);
    }
    QTest::mouseClick(&button, Qt::LeftButton, {}, area.center());
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(CountQtMessage);
    QApplication app(argc, argv);
    orvath::InstallFontSubstitutes();
    const QScreen* screen = QGuiApplication::primaryScreen();
    orvath::OrvathWindow form;
    form.StartUp({screen->geometry(), orvath::kTwipsPerInch / screen->logicalDotsPerInchY()});
    form.AddDesktopFeatures();
    Expect(QTest::qWaitForWindowExposed(&form), "the window was not shown");
    Expect(form.size() == screen->geometry().size(), "the window does not fill the screen");
    Expect(ShowsTheBoundary(form.CanvasWidget()), "the boundary is not painted");

    using orvath::Control;
    for (const Control bar :
         {Control::AngleBar, Control::TimeBar, Control::WavesBar, Control::IndexBar}) {
        MoveBar(form, bar);
    }
    auto& continuous = Find<QRadioButton>(form, Control::ContinuousOption);
    ExpectRedraw(form, "CONTINUOUS", [&] { Click(continuous); });
    Expect(form.Model().Mode() == orvath::DisplayMode::Continuous, "CONTINUOUS is not selected");

    auto& timer = Find<QPushButton>(form, Control::StartButton);
    ExpectRedraw(form, "TIMER", [&] {
        Click(timer);
        QTest::qWait(100);
    });
    Expect(form.Model().TimerEnabled(), "TIMER did not start the timer");
    Click(Find<QPushButton>(form, Control::StopButton));
    Expect(!form.Model().TimerEnabled(), "STOP TIMER did not stop the timer");

    // Back to the wavelets; the next change draws them.
    Click(Find<QRadioButton>(form, Control::WaveletsOption));
    Expect(form.Model().Mode() == orvath::DisplayMode::Wavelets, "WAVELETS is not selected");
    MoveBar(form, Control::AngleBar);
    Expect(ShowsTheBoundary(form.CanvasWidget()), "the boundary is not painted at the end");

    form.close();
    QTest::qWait(20);
    std::printf("%dx%d: %d Qt messages, %d failed checks\n", screen->geometry().width(),
                screen->geometry().height(), qtMessages, failures);
    return qtMessages == 0 && failures == 0 ? 0 : 1;
}
