// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/export.h"

#include <QFile>
#include <ostream>

#include "desktop/fonts.h"
#include "desktop/picture_file.h"
#include "model/message_text.h"
#include "model/world_frame.h"
#include "panel/panel.h"
#include "panel/picture_hands.h"
#include "panel/settings.h"
#include "surface/display_list.h"

namespace orvath {

int RunExport(const CommandLine& commandLine, std::ostream& err) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(commandLine.exportFile));
    const auto format = PictureFormatFor(path);
    if (!format) {
        err << "orvath: " << PrintableName(commandLine.exportFile)
            << ": unknown picture type (the name must end in .png or .svg)\n";
        return 2;
    }

    // The panel alone draws what the window would show after start-up and
    // these settings; no widget is needed for the picture.
    DisplayList picture;
    Panel panel(picture);
    const QSize size(commandLine.clientWidth, commandLine.clientHeight);
    ApplyViewSettings(commandLine.settings, panel);
    panel.SetTheme(commandLine.theme);
    panel.StartUp(static_cast<float>(size.width() * kTwipsPerPixel),
                  static_cast<float>(size.height() * kTwipsPerPixel));
    ApplySettings(commandLine.settings, panel);
    if (commandLine.mysterySeed) {
        panel.StartMystery(*commandLine.mysterySeed);
    }
    // The instruments go over the picture, where the window shows them first.
    PictureHands hands(panel, panel);
    hands.SetArea(size.width(), size.height());
    hands.ShowProtractor(commandLine.protractor);
    hands.ShowRuler(commandLine.ruler);
    if (commandLine.protractor || commandLine.ruler) {
        hands.DrawInstruments(picture);
    }

    const QString error = WritePicture(picture, PrintFont(), size, *format, path, commandLine.theme,
                                       commandLine.zoom);
    if (!error.isEmpty()) {
        err << "orvath: " << PrintableName(commandLine.exportFile) << ": " << error.toStdString()
            << '\n';
        return 2;
    }
    return 0;
}

}  // namespace orvath
