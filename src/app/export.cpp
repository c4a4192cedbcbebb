// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/export.h"

#include <QFile>
#include <ostream>

#include "desktop/bar_options.h"
#include "desktop/orvath_form.h"
#include "desktop/picture_file.h"
#include "desktop/startup.h"
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

    OrvathForm form({.surface = nullptr, .observer = nullptr, .realTimeTimer = false});
    const QSize size(commandLine.clientWidth, commandLine.clientHeight);
    Main(form, {QRect(QPoint(0, 0), size)});
    ApplyBarOptions(form, commandLine.bars);

    const QString error =
        WritePicture(form.CanvasWidget().picture(), form.font(), size, *format, path);
    if (!error.isEmpty()) {
        err << "orvath: cannot write " << PrintableName(commandLine.exportFile) << ": "
            << error.toStdString() << '\n';
        return 2;
    }
    return 0;
}

}  // namespace orvath
