#include "continuous/draw_continuous.h"

namespace orvath {

void DrawContinuous(SimulationState&, const BarValues&, Surface&) {}

}  // namespace orvath
