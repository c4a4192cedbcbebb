// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/export.h"

#include <QFile>
#include <ostream>

#include "desktop/orvath_window.h"
#include "desktop/picture_file.h"
#include "model/message_text.h"

namespace orvath {

int RunExport(const CommandLine& commandLine, std::ostream& err) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(commandLine.exportFile));
    const auto format = PictureFormatFor(path);
    if (!format) {
        err << "orvath: " << PrintableName(commandLine.exportFile)
            << ": unknown picture type (the name must end in .png or .svg)\n";
        return 2;
    }

    OrvathWindow window({.realTimeTimer = false});
    const QSize size(commandLine.clientWidth, commandLine.clientHeight);
    ApplyViewSettings(commandLine.settings, window);
    window.StartUp({QRect(QPoint(0, 0), size)});
    ApplySettings(commandLine.settings, window);

    const QString error = WritePicture(window.CanvasWidget().Picture(), window.font(), size,
                                       *format, path, commandLine.theme);
    if (!error.isEmpty()) {
        err << "orvath: cannot write " << PrintableName(commandLine.exportFile) << ": "
            << error.toStdString() << '\n';
        return 2;
    }
    return 0;
}

}  // namespace orvath
