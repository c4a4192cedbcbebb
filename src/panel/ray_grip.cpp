// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/ray_grip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "continuous/beam.h"
#include "exact/construction.h"
#include "model/bar_settings.h"
#include "wavelets/ray_table.h"

namespace orvath {
namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

std::vector<double> WaveletFeet(const Scene& scene) {
    const wavelets::Fan fan = wavelets::MakeFan(scene);
    wavelets::RayTable table(fan.numWaves);
    std::vector<double> feet;
    for (int i = 0; i <= fan.numWaves; ++i) {
        wavelets::PlaceRay(fan, i, table);
        feet.push_back(table.hitX[static_cast<std::size_t>(i)]);
    }
    return feet;
}

std::vector<double> ContinuousFeet(const Scene& scene) {
    if (scene.bars.angle == 0) {
        // The picture draws no ray along the normal; the beam's middle can
        // still be taken hold of.
        return {scene.xLeft + (static_cast<double>(scene.xRight) - scene.xLeft) / 4};
    }
    const continuous::Beam beam = continuous::ComputeBeam(scene);
    return {beam.leftX + beam.rayShift, beam.beamX + beam.rayShift, beam.rightX + beam.rayShift};
}

std::vector<double> ExactFeet(const Scene& scene, DisplayMode mode) {
    exact::ExactChoices choices;
    choices.picture = mode;
    const exact::HitRow rays = exact::MakeConstruction(scene, choices).rays;
    std::vector<double> feet;
    for (int i = 0; i < rays.count; ++i) {
        feet.push_back(rays.At(i));
    }
    return feet;
}

// The distance from (x, y) to the ray through the foot running along
// (sin, -cos), on the side of the boundary where it runs.
double DistanceToRay(double footX, double sinRay, double cosRay, double x, double y) {
    return std::abs((x - footX) * cosRay + y * sinRay);
}

int RoundedInRange(Bar bar, double value) {
    const BarSetting& setting = SettingOf(bar);
    return static_cast<int>(std::lround(
        std::clamp(value, static_cast<double>(setting.min), static_cast<double>(setting.max))));
}

}  // namespace

RayFan RaysShown(const Scene& scene, DisplayMode mode, View view) {
    RayFan fan;
    fan.sinTheta = scene.sinTheta;
    fan.sinIncident = scene.sinTheta;
    fan.cosIncident = std::cos(scene.theta);
    fan.refracts = scene.sinRefraction < 1;
    if (fan.refracts) {
        fan.sinRefracted = scene.sinRefraction;
        fan.cosRefracted = std::sqrt(1 - scene.sinRefraction * scene.sinRefraction);
    }
    fan.feet = view == View::Exact             ? ExactFeet(scene, mode)
               : mode == DisplayMode::Wavelets ? WaveletFeet(scene)
                                               : ContinuousFeet(scene);
    return fan;
}

Grab GrabAt(const RayFan& fan, double x, double y, double reach) {
    Grab grab;
    if (y == 0 || (y < 0 && !fan.refracts)) {
        return grab;
    }
    const bool incident = y > 0;
    const double sinRay = incident ? fan.sinIncident : fan.sinRefracted;
    const double cosRay = incident ? fan.cosIncident : fan.cosRefracted;
    double nearest = reach;
    for (const double foot : fan.feet) {
        if (const double d = DistanceToRay(foot, sinRay, cosRay, x, y); d <= nearest) {
            nearest = d;
            grab = {incident ? Grip::Incident : Grip::Refracted, foot};
        }
    }
    return grab;
}

int AngleToward(double footX, double x, double y) {
    return RoundedInRange(Bar::Angle, std::atan2(footX - x, y) * kDegreesPerRadian);
}

int IndexToward(double footX, double x, double y, double sinTheta, int current) {
    if (sinTheta <= 0) {
        return current;
    }
    const double refraction = std::atan2(x - footX, -y);
    if (refraction <= 0) {
        return SettingOf(Bar::Index).max;
    }
    return RoundedInRange(Bar::Index,
                          100 * sinTheta / std::sin(std::min(refraction, std::numbers::pi / 2)));
}

std::optional<WorldPoint> HandleFor(const RayFan& fan, Grip grip, const ViewRect& visible) {
    if (grip == Grip::None || (grip == Grip::Refracted && !fan.refracts) || fan.feet.empty()) {
        return std::nullopt;
    }
    const bool incident = grip == Grip::Incident;
    const double low = incident ? std::max(0.0, visible.bottom) : visible.bottom;
    const double high = incident ? visible.top : std::min(0.0, visible.top);
    if (low >= high) {
        return std::nullopt;
    }
    const double y = (low + high) / 2;
    // Where each ray crosses the height y: up and back along an incident
    // ray, down and on along a refracted one.
    const double run = incident ? -y * fan.sinIncident / fan.cosIncident
                                : -y * fan.sinRefracted / fan.cosRefracted;
    const double middle = (visible.left + visible.right) / 2;
    std::optional<WorldPoint> best;
    for (const double foot : fan.feet) {
        const double x = foot + run;
        if (x >= visible.left && x <= visible.right &&
            (!best || std::abs(x - middle) < std::abs(best->x - middle))) {
            best = WorldPoint{x, y};
        }
    }
    return best;
}

}  // namespace orvath
