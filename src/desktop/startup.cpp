// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/startup.h"

#include "desktop/orvath_form.h"
#include "model/captions.h"
#include "model/panel_layout.h"
#include "model/world_frame.h"

namespace orvath {

void Main(OrvathForm& form, const ScreenInfo& screen) {
    form.FitToScreen(screen.geometry);

    SimulationState& state = form.State();
    const QSize client = form.ClientSizePixels();
    SetWorldFrame(state, static_cast<float>(client.width() * screen.twipsPerPixel),
                  static_cast<float>(client.height() * screen.twipsPerPixel));
    Surface& surface = form.Draw();
    surface.Scale(state.XLeft, state.YTop, state.XRight, state.YBottom);

    const PanelLayout layout = LayOutPanel(state);
    for (std::size_t i = 0; i < kPlacedControls; ++i) {
        form.Place(static_cast<ControlId>(i), layout[i]);
    }

    const BarValues bars = form.Bars();
    form.SetLabelFontSize(ControlId::Label1, 14);
    form.WriteCaption(ControlId::Label1, AngleCaption(bars.prosptosis));
    form.SetLabelFontSize(ControlId::Label3, 12);
    form.WriteCaption(ControlId::Label3, WavesCaption(bars.arithkyMATON));
    form.SetLabelFontSize(ControlId::Label4, 14);
    form.WriteCaption(ControlId::Label4, IndexCaption(bars.N_REFR));

    // The boundary and the normal, drawn before the window is visible.
    surface.Line(state.XLeft, 0, state.XRight, 0);
    surface.Line(0, state.YBottom, 0, state.YTop);

    form.Show();

    SetPhysicalConstants(state, bars.N_REFR);
    form.SetLabelFontSize(ControlId::Label2, 14);
    form.WriteCaption(ControlId::Label2, StartupTimeCaption(bars.xronos));

    form.DrawWavelets();
}

}  // namespace orvath
