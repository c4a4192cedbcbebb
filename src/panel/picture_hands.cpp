// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/picture_hands.h"

#include <algorithm>
#include <cmath>

#include "surface/theme.h"

namespace orvath {
namespace {

// How near a ray a press takes hold of it, in pixels: a finger covers more
// than a mouse pointer.
constexpr double kMouseReachPx = 8;
constexpr double kPenReachPx = 12;
constexpr double kTouchReachPx = 24;

double Distance(double x1, double y1, double x2, double y2) {
    return std::hypot(x2 - x1, y2 - y1);
}

}  // namespace

PictureHands::PictureHands(const Panel& panel, UserActions& actions)
    : panel_(panel), actions_(actions) {}

void PictureHands::Changed() const {
    if (changed_) {
        changed_();
    }
}

void PictureHands::KeepInstruments() {
    const WorldFrame f = panel_.Frame();
    const WorldBounds frame{f.left, f.right, f.top, f.bottom};
    if (!placed_) {
        lastProtractor_ = instruments::StartProtractor(frame);
        lastRuler_ = instruments::StartRuler(frame);
        placed_ = true;
    }
    if (protractor_) {
        protractor_ = KeptInFrame(*protractor_, frame);
    }
    if (ruler_) {
        ruler_ = KeptInFrame(*ruler_, frame);
    }
}

void PictureHands::ShowProtractor(bool shown) {
    KeepInstruments();
    if (shown == protractor_.has_value()) {
        return;
    }
    if (shown) {
        protractor_ = lastProtractor_;
        KeepInstruments();
    } else {
        lastProtractor_ = *protractor_;
        protractor_.reset();
    }
    Changed();
}

void PictureHands::ShowRuler(bool shown) {
    KeepInstruments();
    if (shown == ruler_.has_value()) {
        return;
    }
    if (shown) {
        ruler_ = lastRuler_;
        KeepInstruments();
    } else {
        lastRuler_ = *ruler_;
        ruler_.reset();
    }
    Changed();
}

void PictureHands::SetProtractor(const instruments::Protractor& protractor) {
    protractor_ = protractor;
    KeepInstruments();
    Changed();
}

void PictureHands::SetRuler(const instruments::Ruler& ruler) {
    ruler_ = ruler;
    KeepInstruments();
    Changed();
}

void PictureHands::DrawInstruments(Surface& surface) const {
    const WorldFrame f = panel_.Frame();
    surface.Scale(f.left, f.top, f.right, f.bottom);
    const double em = LabelEm(panel_.CurrentTheme(), f.top - f.bottom, height_);
    if (protractor_) {
        instruments::DrawProtractor(*protractor_, em, surface);
    }
    if (ruler_) {
        instruments::DrawRuler(*ruler_, em, surface);
    }
}

instruments::Grip PictureHands::InstrumentAt(double x, double y, PointerKind kind) const {
    const ScreenMapping mapping = Mapping();
    return instruments::GripAt(protractor_ ? &*protractor_ : nullptr, ruler_ ? &*ruler_ : nullptr,
                               {mapping.WorldX(x), mapping.WorldY(y)}, Reach(kind));
}

ScreenMapping PictureHands::Mapping() const {
    return panel_.MappingOnto(width_, height_, zoom_);
}

double PictureHands::Reach(PointerKind kind) const {
    const double px = kind == PointerKind::Touch ? kTouchReachPx
                      : kind == PointerKind::Pen ? kPenReachPx
                                                 : kMouseReachPx;
    return px / std::abs(Mapping().ScaleX());
}

void PictureHands::Show(const Zoom& zoom) {
    const Zoom limited = Limited(zoom, panel_.Frame());
    if (limited != zoom_) {
        zoom_ = limited;
        if (changed_) {
            changed_();
        }
    }
}

void PictureHands::SetArea(double widthPx, double heightPx) {
    width_ = std::max(1.0, widthPx);
    height_ = std::max(1.0, heightPx);
    KeepInstruments();
    if (Pinching()) {
        StartPinch();
    }
}

PictureHands::Pointer* PictureHands::Find(int pointer) {
    const auto found = std::find_if(pointers_.begin(), pointers_.end(),
                                    [pointer](const Pointer& p) { return p.id == pointer; });
    return found == pointers_.end() ? nullptr : &*found;
}

void PictureHands::Press(int pointer, double x, double y, PointerKind kind) {
    if (Find(pointer) != nullptr || pointers_.size() >= 2) {
        return;
    }
    const std::optional<Grab> onHandle = HandleAt(x, y);
    touched_ = kind != PointerKind::Mouse;
    pointers_.push_back({pointer, x, y});
    if (pointers_.size() == 2) {
        // A second pointer ends the turn where it is and starts a pinch.
        grab_ = {};
        StartPinch();
        if (changed_) {
            changed_();
        }
        return;
    }
    // A handle shown takes its ray, even where an instrument lies over it.
    if (onHandle) {
        grab_ = *onHandle;
        Changed();
        return;
    }
    const ScreenMapping mapping = Mapping();
    held_ = InstrumentAt(x, y, kind);
    if (held_ != instruments::Grip::None) {
        heldX_ = mapping.WorldX(x);
        heldY_ = mapping.WorldY(y);
        return;
    }
    const Panel& p = panel_;
    grab_ = GrabAt(RaysShown(p.CurrentScene(), p.Mode(), p.CurrentView()), mapping.WorldX(x),
                   mapping.WorldY(y), Reach(kind));
    if (grab_.grip != Grip::None && changed_) {
        changed_();
    }
}

void PictureHands::Move(int pointer, double x, double y) {
    Pointer* moved = Find(pointer);
    if (moved == nullptr) {
        return;
    }
    const double dx = x - moved->x;
    const double dy = y - moved->y;
    moved->x = x;
    moved->y = y;
    if (Pinching()) {
        FollowPinch();
    } else if (held_ != instruments::Grip::None) {
        const ScreenMapping mapping = Mapping();
        const instruments::Point from{heldX_, heldY_};
        const instruments::Point to{mapping.WorldX(x), mapping.WorldY(y)};
        if (protractor_ && (held_ == instruments::Grip::MoveProtractor ||
                            held_ == instruments::Grip::TurnProtractor)) {
            protractor_ = Dragged(*protractor_, held_, from, to);
        } else if (ruler_) {
            ruler_ = Dragged(*ruler_, held_, from, to);
        }
        heldX_ = to.x;
        heldY_ = to.y;
        Changed();
    } else if (grab_.grip != Grip::None) {
        Turn(x, y);
    } else {
        const ScreenMapping mapping = Mapping();
        Show(Panned(zoom_, panel_.Frame(), -dx / mapping.ScaleX(), dy / mapping.ScaleY()));
    }
}

void PictureHands::Release(int pointer) {
    const auto before = pointers_.size();
    std::erase_if(pointers_, [pointer](const Pointer& p) { return p.id == pointer; });
    if (pointers_.size() == before) {
        return;
    }
    const bool wasTurning = grab_.grip != Grip::None;
    // The finger left of a pinch pans from where it is.
    grab_ = {};
    if (held_ != instruments::Grip::None) {
        // Dropped near the boundary, the protractor's centre goes onto the
        // nearest hit point; whatever was dropped stays in the picture.
        if (held_ == instruments::Grip::MoveProtractor && protractor_) {
            const Panel& p = panel_;
            const RayFan fan = RaysShown(p.CurrentScene(), p.Mode(), p.CurrentView());
            protractor_->centre =
                instruments::Snapped(protractor_->centre, fan.feet, 0.1 * protractor_->radius);
        }
        held_ = instruments::Grip::None;
        KeepInstruments();
        Changed();
    }
    if (wasTurning && changed_) {
        changed_();
    }
}

void PictureHands::Cancel() {
    const bool wasHolding = !pointers_.empty();
    pointers_.clear();
    grab_ = {};
    held_ = instruments::Grip::None;
    KeepInstruments();
    if (wasHolding && changed_) {
        changed_();
    }
}

void PictureHands::Turn(double x, double y) {
    const ScreenMapping mapping = Mapping();
    const double wx = mapping.WorldX(x);
    const double wy = mapping.WorldY(y);
    const BarValues& bars = panel_.Bars();
    if (grab_.grip == Grip::Incident) {
        if (const int angle = AngleToward(grab_.footX, wx, wy); angle != bars.angle) {
            actions_.MoveBar(Bar::Angle, angle);
        }
    } else if (grab_.grip == Grip::Refracted) {
        const int index =
            IndexToward(grab_.footX, wx, wy, panel_.CurrentScene().sinTheta, bars.index);
        if (index != bars.index) {
            actions_.MoveBar(Bar::Index, index);
        }
    }
    if (changed_) {
        changed_();
    }
}

void PictureHands::StartPinch() {
    const Pointer& a = pointers_[0];
    const Pointer& b = pointers_[1];
    const ScreenMapping mapping = Mapping();
    pinch_.distance = std::max(1.0, Distance(a.x, a.y, b.x, b.y));
    pinch_.zoom = zoom_;
    pinch_.middleX = (a.x + b.x) / 2;
    pinch_.middleY = (a.y + b.y) / 2;
    pinch_.worldX = mapping.WorldX(pinch_.middleX);
    pinch_.worldY = mapping.WorldY(pinch_.middleY);
}

void PictureHands::FollowPinch() {
    const Pointer& a = pointers_[0];
    const Pointer& b = pointers_[1];
    const WorldFrame frame = panel_.Frame();
    const double factor =
        pinch_.zoom.factor * std::max(1.0, Distance(a.x, a.y, b.x, b.y)) / pinch_.distance;
    // The world point first under the fingers' middle stays under it.
    Zoom zoom = ZoomedAbout(pinch_.zoom, frame, factor, pinch_.worldX, pinch_.worldY);
    const ScreenMapping mapping = panel_.MappingOnto(width_, height_, zoom);
    const double middleX = (a.x + b.x) / 2;
    const double middleY = (a.y + b.y) / 2;
    zoom = Panned(zoom, frame, -(middleX - pinch_.middleX) / mapping.ScaleX(),
                  (middleY - pinch_.middleY) / mapping.ScaleY());
    Show(zoom);
}

void PictureHands::Wheel(double notches, double x, double y) {
    if (!std::isfinite(notches) || notches == 0) {
        return;
    }
    const ScreenMapping mapping = Mapping();
    Show(ZoomedAbout(zoom_, panel_.Frame(), zoom_.factor * std::pow(kZoomStep, notches),
                     mapping.WorldX(x), mapping.WorldY(y)));
    if (Pinching()) {
        StartPinch();
    }
}

void PictureHands::ZoomIn() {
    Wheel(1, width_ / 2, height_ / 2);
}

void PictureHands::ZoomOut() {
    Wheel(-1, width_ / 2, height_ / 2);
}

void PictureHands::WholePicture() {
    SetZoom({});
}

void PictureHands::SetZoom(const Zoom& zoom) {
    Show(zoom);
    if (Pinching()) {
        StartPinch();
    }
}

std::optional<Grab> PictureHands::HandleAt(double x, double y) const {
    const double radius = kHandleRadiusPx * FontScale(panel_.CurrentTheme());
    const ScreenMapping mapping = Mapping();
    const Panel& p = panel_;
    for (const HandleMark& mark : Handles()) {
        if (!mark.held && Distance(mark.x, mark.y, x, y) <= radius) {
            const Grab grab =
                GrabAt(RaysShown(p.CurrentScene(), p.Mode(), p.CurrentView()),
                       mapping.WorldX(mark.x), mapping.WorldY(mark.y), Reach(PointerKind::Mouse));
            if (grab.grip == mark.grip) {
                return grab;
            }
        }
    }
    return std::nullopt;
}

HandHint PictureHands::HintAt(double x, double y, PointerKind kind) const {
    if (const auto onHandle = HandleAt(x, y)) {
        return onHandle->grip == Grip::Incident ? HandHint::TurnIncident : HandHint::TurnRefracted;
    }
    switch (InstrumentAt(x, y, kind)) {
        case instruments::Grip::None:
            break;
        case instruments::Grip::MoveProtractor:
        case instruments::Grip::MoveRuler:
            return HandHint::MoveInstrument;
        default:
            return HandHint::TurnInstrument;
    }
    const ScreenMapping mapping = Mapping();
    const Panel& p = panel_;
    switch (GrabAt(RaysShown(p.CurrentScene(), p.Mode(), p.CurrentView()), mapping.WorldX(x),
                   mapping.WorldY(y), Reach(kind))
                .grip) {
        case Grip::Incident:
            return HandHint::TurnIncident;
        case Grip::Refracted:
            return HandHint::TurnRefracted;
        case Grip::None:
            break;
    }
    return zoom_.Whole() ? HandHint::None : HandHint::Pan;
}

std::vector<HandleMark> PictureHands::Handles() const {
    std::vector<HandleMark> marks;
    if (!touched_ && grab_.grip == Grip::None) {
        return marks;
    }
    const ScreenMapping mapping = Mapping();
    const Panel& p = panel_;
    const RayFan fan = RaysShown(p.CurrentScene(), p.Mode(), p.CurrentView());
    for (const Grip grip : {Grip::Incident, Grip::Refracted}) {
        if (grip == grab_.grip && !pointers_.empty()) {
            // The held handle is under the pointer that holds it.
            marks.push_back({grip, pointers_.front().x, pointers_.front().y, true});
            continue;
        }
        if (!touched_) {
            continue;
        }
        if (const auto at = HandleFor(fan, grip, mapping.Area())) {
            marks.push_back({grip, mapping.X(at->x), mapping.Y(at->y), false});
        }
    }
    return marks;
}

}  // namespace orvath
