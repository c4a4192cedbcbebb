// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/picture_file.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "desktop/world_painter.h"

namespace orvath {
namespace {

// Pictures are drawn at 96 dots per inch, the resolution the panel and the
// world frame are designed for, so printed text has the window's size.
constexpr int kDotsPerInch = 96;
constexpr double kMetresPerInch = 0.0254;

QString WritePng(const DisplayList& picture, const QFont& printFont, QSize size, Theme theme,
                 QSaveFile& file) {
    const QImage image = RenderPicture(picture, printFont, size, theme);
    if (image.isNull()) {
        return QStringLiteral("not enough memory for a %1x%2 picture")
            .arg(size.width())
            .arg(size.height());
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        return OneLine(writer.errorString());
    }
    return {};
}

QString WriteSvg(const DisplayList& picture, const QFont& printFont, QSize size, Theme theme,
                 QSaveFile& file) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kDotsPerInch);
    svg.setTitle(QStringLiteral("Orvath"));
    svg.setDescription(QStringLiteral("Refraction of a plane wave by secondary wavelets"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return QStringLiteral("cannot start an SVG drawing");
    }
    PaintDisplayList(picture, painter, size, printFont, {}, theme);
    painter.end();
    return {};
}

}  // namespace

QString OneLine(QString text) {
    return text.replace('\n', ' ').trimmed();
}

std::optional<PictureFormat> PictureFormatFor(const QString& path) {
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return PictureFormat::Png;
    }
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return PictureFormat::Svg;
    }
    return std::nullopt;
}

QImage RenderPicture(const DisplayList& picture, const QFont& printFont, QSize size, Theme theme) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const int dotsPerMetre = qRound(kDotsPerInch / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    PaintDisplayList(picture, painter, size, printFont, {}, theme);
    return image;
}

QString WritePicture(const DisplayList& picture, const QFont& printFont, QSize size,
                     PictureFormat format, const QString& path, Theme theme) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return OneLine(file.errorString());
    }
    const QString error = format == PictureFormat::Png
                              ? WritePng(picture, printFont, size, theme, file)
                              : WriteSvg(picture, printFont, size, theme, file);
    if (!error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        return OneLine(file.errorString());
    }
    return {};
}

}  // namespace orvath
