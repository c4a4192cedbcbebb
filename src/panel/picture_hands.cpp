// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/picture_hands.h"

#include <algorithm>
#include <cmath>

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
    const ScreenMapping mapping = Mapping();
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
    if (wasTurning && changed_) {
        changed_();
    }
}

void PictureHands::Cancel() {
    const bool wasHolding = !pointers_.empty();
    pointers_.clear();
    grab_ = {};
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

HandHint PictureHands::HintAt(double x, double y, PointerKind kind) const {
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
