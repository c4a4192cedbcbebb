// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "instruments/instruments.h"
#include "panel/panel.h"
#include "panel/ray_grip.h"
#include "panel/user_actions.h"
#include "surface/screen_mapping.h"
#include "surface/zoom.h"

namespace orvath {

enum class PointerKind { Mouse, Touch, Pen };

// What a press at a point would do, for the pointer's shape.
enum class HandHint { None, TurnIncident, TurnRefracted, Pan, MoveInstrument, TurnInstrument };

// The radius of a handle's ring in the classic theme, in pixels: a
// finger's size.
inline constexpr double kHandleRadiusPx = 18;

// A handle drawn over the picture, in pixels, and whether it is held.
struct HandleMark {
    Grip grip = Grip::None;
    double x = 0;
    double y = 0;
    bool held = false;
};

// The hands on the picture, without any toolkit: pointers pressed on the
// protractor or the ruler, where they are shown, move, turn and stretch
// them; pressed on the incident or refracted rays they turn them by moving
// the angle or the index bar as a user would (through `actions`, so the bar's
// Change runs); pressed on the empty picture they pan it; two at once pinch
// it; the wheel and the zoom keys magnify it. Positions are pixels of the
// drawing area, y down. The zoom and the instruments change only how the
// picture is painted.
class PictureHands {
  public:
    PictureHands(const Panel& panel, UserActions& actions);

    // Called whenever the zoom changes or a handle moves, to repaint.
    void OnViewChanged(std::function<void()> changed) { changed_ = std::move(changed); }

    // The drawing area's size; a drag or pinch under way goes on from where
    // its pointers are.
    void SetArea(double widthPx, double heightPx);

    void Press(int pointer, double x, double y, PointerKind kind);
    void Move(int pointer, double x, double y);
    void Release(int pointer);
    // Every pointer let go at once, as when the toolkit takes them away.
    void Cancel();

    // `notches` of the wheel (positive magnifies) about a point.
    void Wheel(double notches, double x, double y);
    // One step in or out about the middle of the area.
    void ZoomIn();
    void ZoomOut();
    void WholePicture();
    void SetZoom(const Zoom& zoom);

    const Zoom& CurrentZoom() const { return zoom_; }
    ScreenMapping Mapping() const;
    HandHint HintAt(double x, double y, PointerKind kind) const;
    // What is being turned, if anything.
    Grip Turning() const { return grab_.grip; }
    // Whether a pointer holds an instrument.
    bool HoldingInstrument() const { return held_ != instruments::Grip::None; }

    // The instruments, shown where they were last or where they start; kept
    // in the picture whatever the area.
    void ShowProtractor(bool shown);
    void ShowRuler(bool shown);
    void SetProtractor(const instruments::Protractor& protractor);
    void SetRuler(const instruments::Ruler& ruler);
    const std::optional<instruments::Protractor>& ShownProtractor() const { return protractor_; }
    const std::optional<instruments::Ruler>& ShownRuler() const { return ruler_; }
    // Draws the instruments shown, in the theme's text size, on a surface
    // laid over the picture.
    void DrawInstruments(Surface& surface) const;
    bool Pinching() const { return pointers_.size() >= 2; }
    // The handles to draw: after a touch or a pen, and while a ray is turned.
    std::vector<HandleMark> Handles() const;

  private:
    struct Pointer {
        int id = 0;
        double x = 0;
        double y = 0;
    };
    // Where a pinch started: the pointers' distance, the zoom then and the
    // world point under their middle.
    struct Pinch {
        double distance = 1;
        Zoom zoom;
        double worldX = 0;
        double worldY = 0;
        double middleX = 0;
        double middleY = 0;
    };

    Pointer* Find(int pointer);
    void StartPinch();
    void FollowPinch();
    void Turn(double x, double y);
    void Show(const Zoom& zoom);
    double Reach(PointerKind kind) const;
    instruments::Grip InstrumentAt(double x, double y, PointerKind kind) const;
    // The ray of a handle shown under (x, y), if any.
    std::optional<Grab> HandleAt(double x, double y) const;
    void KeepInstruments();
    void Changed() const;

    const Panel& panel_;
    UserActions& actions_;
    std::function<void()> changed_;
    double width_ = 1;
    double height_ = 1;
    Zoom zoom_;
    std::vector<Pointer> pointers_;  // at most two, in the order pressed
    Grab grab_;
    Pinch pinch_;
    bool touched_ = false;  // the last press was a finger or a pen
    std::optional<instruments::Protractor> protractor_;
    std::optional<instruments::Ruler> ruler_;
    // Where they were when last hidden, so that they come back there.
    instruments::Protractor lastProtractor_;
    instruments::Ruler lastRuler_;
    bool placed_ = false;
    instruments::Grip held_ = instruments::Grip::None;
    double heldX_ = 0;  // the world point last held
    double heldY_ = 0;
};

}  // namespace orvath
