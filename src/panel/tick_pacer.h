// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvath {

// The timer's pace: one tick for every millisecond since it was enabled,
// however the ticks are delivered. A caller asks what has fallen due, hands
// that many ticks to the panel (in batches that leave time to paint) and
// reports how many it delivered; what a batch leaves over stays due.
class TickPacer {
  public:
    // The timer was enabled at `nowMs` (any clock in milliseconds).
    void Start(double nowMs);
    // The ticks due by `nowMs` that have not been delivered yet.
    long Due(double nowMs) const;
    void Delivered(long ticks) { delivered_ += ticks; }

  private:
    double startMs_ = 0;
    long delivered_ = 0;
};

}  // namespace orvath
