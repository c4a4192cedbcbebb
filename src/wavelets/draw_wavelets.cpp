#include "wavelets/draw_wavelets.h"

namespace orvath {

void DrawWavelets(SimulationState&, const BarValues&, Surface&, const CaptionWriter&) {}

}  // namespace orvath
