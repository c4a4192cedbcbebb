// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/picture_input.h"

#include <QMouseEvent>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QWheelEvent>

#include "desktop/canvas.h"

namespace orvath {
namespace {

// The one pointer of the mouse or the pen, beside the fingers' ids.
constexpr int kMousePointer = -1;
// A wheel notch.
constexpr double kDegreesPerNotch = 15;

PointerKind KindOf(const QPointerEvent& event) {
    switch (event.pointingDevice()->type()) {
        case QInputDevice::DeviceType::TouchScreen:
            return PointerKind::Touch;
        case QInputDevice::DeviceType::Stylus:
        case QInputDevice::DeviceType::Airbrush:
            return PointerKind::Pen;
        default:
            return PointerKind::Mouse;
    }
}

}  // namespace

PictureInput::PictureInput(Canvas& canvas, const Panel& panel, UserActions& actions)
    : canvas_(canvas), hands_(panel, actions) {
    canvas.setAttribute(Qt::WA_AcceptTouchEvents);
    canvas.setMouseTracking(true);
    canvas.installEventFilter(this);
    hands_.OnViewChanged([this] { ShowHands(); });
}

void PictureInput::ShowHands() {
    canvas_.SetZoom(hands_.CurrentZoom());
    canvas_.SetHandles(hands_.Handles());
    DisplayList& instruments = canvas_.Instruments();
    const auto revision = instruments.Revision();
    instruments.Cls();
    hands_.DrawInstruments(instruments);
    if (instruments.Revision() != revision) {
        canvas_.update();
    }
}

void PictureInput::ShowPointer(HandHint hint) {
    if (hands_.Turning() != Grip::None || hands_.HoldingInstrument()) {
        canvas_.setCursor(Qt::ClosedHandCursor);
        return;
    }
    switch (hint) {
        case HandHint::MoveInstrument:
            canvas_.setCursor(Qt::SizeAllCursor);
            return;
        case HandHint::TurnInstrument:
            canvas_.setCursor(Qt::OpenHandCursor);
            return;
        case HandHint::TurnIncident:
        case HandHint::TurnRefracted:
            canvas_.setCursor(Qt::OpenHandCursor);
            return;
        case HandHint::Pan:
            canvas_.setCursor(Qt::SizeAllCursor);
            return;
        case HandHint::None:
            break;
    }
    canvas_.unsetCursor();
}

bool PictureInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &canvas_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Resize:
            hands_.SetArea(canvas_.width(), canvas_.height());
            ShowHands();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // the second press of a quick pair
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            auto& mouse = static_cast<QMouseEvent&>(*event);
            // Fingers come as touch events; the mouse events made from them are left out.
            if (mouse.source() != Qt::MouseEventNotSynthesized &&
                KindOf(mouse) == PointerKind::Touch) {
                return true;
            }
            const QPointF at = mouse.position();
            const bool press = event->type() == QEvent::MouseButtonPress ||
                               event->type() == QEvent::MouseButtonDblClick;
            if (press && mouse.button() == Qt::LeftButton) {
                hands_.Press(kMousePointer, at.x(), at.y(), KindOf(mouse));
            } else if (event->type() == QEvent::MouseMove) {
                hands_.Move(kMousePointer, at.x(), at.y());
            } else if (mouse.button() == Qt::LeftButton) {
                hands_.Release(kMousePointer);
            }
            ShowPointer(hands_.HintAt(at.x(), at.y(), KindOf(mouse)));
            return mouse.button() == Qt::LeftButton || mouse.buttons() == Qt::LeftButton;
        }
        case QEvent::Wheel: {
            auto& wheel = static_cast<QWheelEvent&>(*event);
            const QPointF at = wheel.position();
            hands_.Wheel(wheel.angleDelta().y() / 8.0 / kDegreesPerNotch, at.x(), at.y());
            return true;
        }
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: {
            auto& touch = static_cast<QTouchEvent&>(*event);
            for (const QEventPoint& point : touch.points()) {
                const QPointF at = point.position();
                switch (point.state()) {
                    case QEventPoint::State::Pressed:
                        hands_.Press(point.id(), at.x(), at.y(), KindOf(touch));
                        break;
                    case QEventPoint::State::Updated:
                        hands_.Move(point.id(), at.x(), at.y());
                        break;
                    case QEventPoint::State::Released:
                        hands_.Release(point.id());
                        break;
                    default:
                        break;
                }
            }
            event->accept();
            return true;
        }
        case QEvent::TouchCancel:
            hands_.Cancel();
            return true;
        case QEvent::Leave:
            if (hands_.Turning() == Grip::None) {
                canvas_.unsetCursor();
            }
            return false;
        default:
            return false;
    }
}

}  // namespace orvath
