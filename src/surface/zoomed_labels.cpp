// SPDX-License-Identifier: GPL-3.0-or-later
#include "surface/zoomed_labels.h"

#include <algorithm>
#include <cmath>

namespace orvath {

ZoomedLabels::ZoomedLabels(const ScreenMapping& mapping)
    : mapping_(mapping),
      labelScale_(std::abs(mapping.ScaleY()) / mapping.ZoomShown().factor),
      zoomed_(!mapping.ZoomShown().Whole()) {}

bool ZoomedLabels::StartLabel(const ViewRect& backing) {
    if (!zoomed_) {
        return false;
    }
    // A backing next to the label's, as the lines of a block of text are,
    // joins it, so that the block stays together.
    const double gap = (backing.top - backing.bottom) / 2;
    if (label_ && backing.left <= label_->right + gap && backing.right >= label_->left - gap &&
        backing.bottom <= label_->top + gap && backing.top >= label_->bottom - gap) {
        label_ =
            ViewRect{std::min(label_->left, backing.left), std::min(label_->bottom, backing.bottom),
                     std::max(label_->right, backing.right), std::max(label_->top, backing.top)};
        return true;
    }
    label_ = backing;
    anchorX_ = (backing.left + backing.right) / 2;
    anchorY_ = (backing.bottom + backing.top) / 2;
    anchor_ = {mapping_.X(anchorX_), mapping_.Y(anchorY_)};
    return true;
}

bool ZoomedLabels::Holds(const ViewRect& covered) {
    if (!label_) {
        return false;
    }
    // Samples on the backing's edge belong to it; single precision rounds.
    const double slack = 1e-4 * (label_->right - label_->left + label_->top - label_->bottom);
    if (covered.left >= label_->left - slack && covered.right <= label_->right + slack &&
        covered.bottom >= label_->bottom - slack && covered.top <= label_->top + slack) {
        return true;
    }
    label_.reset();
    return false;
}

PixelPoint ZoomedLabels::Place(double x, double y) const {
    if (!label_) {
        return {mapping_.X(x), mapping_.Y(y)};
    }
    const double factor = mapping_.ZoomShown().factor;
    return {anchor_.x + (x - anchorX_) * mapping_.ScaleX() / factor,
            anchor_.y - (y - anchorY_) * mapping_.ScaleY() / factor};
}

}  // namespace orvath
