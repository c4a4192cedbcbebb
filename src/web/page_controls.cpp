// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_controls.h"

#include "text/translate.h"
#include "web/page.h"

namespace orvath::web {

std::span<const PageControl> PictureButtons() {
    static constexpr PageControl kButtons[] = {
        {"SavePng",
         "button",
         "savePng",
         StripPlace::Room,
         {TrMark("Save picture as PNG"), TrMark("Save the picture as a PNG image (Ctrl+S)"),
          TrMark("Downloads the picture as a PNG image of the page's size. Ctrl+S does the same."),
          TrMark("SAVE PNG")}},
        {"SaveSvg",
         "button",
         "saveSvg",
         StripPlace::Room,
         {TrMark("Save picture as SVG"), TrMark("Save the picture as an SVG drawing"),
          TrMark("Downloads the picture as an SVG drawing, for worksheets and slides."),
          TrMark("SAVE SVG")}},
        {"CopyLink",
         "button",
         "copyLink",
         StripPlace::Room,
         {TrMark("Copy link"), TrMark("Copy a link to this page with every setting shown now"),
          TrMark("Puts a link with the current settings into the address and onto the clipboard, "
                 "so that a class opens the very same picture."),
          TrMark("COPY LINK")}},
        {"Information",
         "button",
         "information",
         StripPlace::Always,
         {TrMark("Information"), TrMark("Show or hide the information box (F1)"),
          TrMark("Shows or hides the box with the physics of the picture and the keys. F1 does the "
                 "same."),
          TrMark("INFORMATION")}},
    };
    return kButtons;
}

std::span<const PageControl> ClassroomControls() {
    static constexpr PageControl kControls[] = {
        {kSpeedChooserId,
         "chooser",
         "speed",
         StripPlace::Always,
         {TrMark("Speed"),
          TrMark("How fast the timer runs (- slower, + faster, Ctrl+1 to Ctrl+5)"),
          TrMark("Chooses how fast the timer runs: 1x, 1/2, 1/4, 1/10 or 1/50. The pictures stay "
                 "the same at every speed. Minus and plus do the same."),
          {}}},
        {"StepBack",
         "button",
         "stepBack",
         StripPlace::Always,
         {TrMark("One step back"),
          TrMark("While the timer is stopped: one step back (,; Shift+, a period)"),
          TrMark("Moves the time one step back while the timer is stopped. Comma does the same, "
                 "with Shift a whole period."),
          TrMark("\u25c0 STEP")}},
        {"StepForward",
         "button",
         "stepForward",
         StripPlace::Always,
         {TrMark("One step forward"),
          TrMark("While the timer is stopped: one step forward (.; Shift+. a period)"),
          TrMark("Moves the time one step forward while the timer is stopped. Full stop does the "
                 "same, with Shift a whole period."),
          TrMark("STEP \u25b6")}},
        {kMediumChooserId,
         "chooser",
         "medium",
         StripPlace::Always,
         {TrMark("Pair of media"),
          TrMark("Set the index bar to a pair of media (1 to 7)"),
          TrMark("Sets the relative refractive index to that of a pair of media, as if the index "
                 "bar were moved. The keys 1 to 7 do the same."),
          {}}},
        {kThemeSwitchId,
         "switch",
         "theme",
         StripPlace::Room,
         {TrMark("Projector theme"),
          TrMark("Wider lines, darker colours and larger texts for a projector (T)"),
          TrMark("Switches the projector theme: lines three times as wide, darker and more "
                 "saturated colours, larger panel texts. T does the same."),
          TrMark("PROJECTOR")}},
        {kKeySwitchId,
         "switch",
         "key",
         StripPlace::Room,
         {TrMark("Key to the colours"), TrMark("Show the key to the exact view's colours (K)"),
          TrMark("Shows or hides the key that names every colour and line style of the exact view. "
                 "K does the same."),
          TrMark("KEY")}},
        {"SaveGif",
         "button",
         "saveGif",
         StripPlace::Room,
         {TrMark("Save animation as GIF"),
          TrMark("Save the whole run as an animated GIF (Ctrl+Shift+S)"),
          TrMark("Downloads the time bar's run at the speed shown as an animated GIF, in the "
                 "current settings and theme, with its progress and a way to cancel. Ctrl+Shift+S "
                 "does the same."),
          TrMark("SAVE GIF")}},
        {"MenuButton",
         "button",
         "menu",
         StripPlace::Always,
         {TrMark("Menu"), TrMark("Every action of the page with its key (Shift+F10)"),
          TrMark("Opens the menu of every action of the page, each with its key. Shift+F10 and the "
                 "Menu key do the same."),
          TrMark("MENU")}},
    };
    return kControls;
}

std::span<const PageControl> LessonControls() {
    static constexpr PageControl kControls[] = {
        {"Notes",
         "button",
         "notes",
         StripPlace::Room,
         {TrMark("Notes for the teacher"),
          TrMark("Open the notes for the teacher: lessons, links and commands to try (N)"),
          TrMark("Opens the notes for the teacher on using the program in class, with links "
                 "that open prepared pictures. N does the same."),
          TrMark("NOTES")}},
        {kMysteryButtonId,
         "button",
         "mystery",
         StripPlace::Room,
         {TrMark("Mystery medium"),
          TrMark("Start a mystery medium whose index is hidden, or end it and show the index (M)"),
          TrMark("Gives medium 2 an index drawn at random, which every text of the page shows as "
                 "?: measure the angles to find it. Pressed again, it shows the index. M does the "
                 "same."),
          TrMark("MYSTERY")}},
        {kGuessFieldId,
         "field",
         "guess",
         StripPlace::Mystery,
         {TrMark("The relative index you measured:"),
          TrMark("Type the index you measured, then Enter (G)"),
          TrMark("Takes the relative index you measured, such as 1.47; Enter or GUESS judges it. "
                 "G puts the cursor here."),
          // TRANSLATORS: shown in the empty field, where the measured index is typed.
          TrMark("YOUR INDEX")}},
        {kGuessButtonId,
         "button",
         "guess",
         StripPlace::Mystery,
         {TrMark("Guess"), TrMark("Judge the index you typed (Enter)"),
          // xgettext:no-c-format
          TrMark("Says whether the typed index is within 2 % of the hidden one."),
          TrMark("GUESS")}},
        {kRevealButtonId,
         "button",
         "reveal",
         StripPlace::Mystery,
         {TrMark("Reveal the index"), TrMark("Show the hidden index and end the mystery (Shift+M)"),
          TrMark("Ends the mystery medium and shows its index on the bar and in every text. "
                 "Shift+M does the same."),
          TrMark("REVEAL")}},
        {kVerdictId, "status", "", StripPlace::Mystery, {TrMark("Verdict"), {}, {}, {}}},
    };
    return kControls;
}

std::span<const PageControl> ViewControls() {
    static constexpr PageControl kControls[] = {
        {"ZoomIn",
         "button",
         "zoomIn",
         StripPlace::Room,
         {TrMark("Zoom in"), TrMark("Magnify the picture (Ctrl++)"),
          TrMark("Magnifies the picture a step about its middle, up to 8 times. Ctrl++ and the "
                 "mouse wheel do the same, and so do two fingers spread on the picture."),
          TrMark("ZOOM IN")}},
        {"ZoomOut",
         "button",
         "zoomOut",
         StripPlace::Room,
         {TrMark("Zoom out"), TrMark("Show more of the picture (Ctrl+-)"),
          TrMark("Shows more of the picture, a step at a time, back to the whole picture. "
                 "Ctrl+- and the mouse wheel do the same."),
          TrMark("ZOOM OUT")}},
        {"WholePicture",
         "button",
         "wholePicture",
         StripPlace::Room,
         {TrMark("Whole picture"), TrMark("Show the whole picture (Ctrl+0)"),
          TrMark("Shows the whole picture again, not magnified. Ctrl+0 does the same."),
          TrMark("WHOLE PICTURE")}},
        {kProtractorSwitchId,
         "switch",
         "protractor",
         StripPlace::Room,
         {TrMark("Protractor"), TrMark("Show or hide a protractor over the picture (P)"),
          TrMark("Shows or hides a protractor for the angles of the rays: drag its middle to "
                 "move it, its rim to turn it. P does the same."),
          TrMark("PROTRACTOR")}},
        {kRulerSwitchId,
         "switch",
         "ruler",
         StripPlace::Room,
         {TrMark("Ruler"), TrMark("Show or hide a ruler over the picture (L)"),
          TrMark("Shows or hides a ruler in the picture's units, for the wavelengths: drag it "
                 "to move it, an end to turn and stretch it. L does the same."),
          TrMark("RULER")}},
    };
    return kControls;
}

}  // namespace orvath::web
