// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QSvgGenerator>

#include "desktop/whole_file.h"
#include "desktop/world_painter.h"

namespace orvath {
namespace {

// Pictures are drawn at 96 dots per inch, the resolution the panel and the
// world frame are designed for, so printed text has the window's size.
constexpr int kDotsPerInch = 96;
constexpr double kMetresPerInch = 0.0254;

// The picture as PNG bytes in `bytes`; returns the error, or an empty string.
QString EncodePng(const DisplayList& picture, const QFont& printFont, QSize size, Theme theme,
                  const Zoom& zoom, QByteArray& bytes) {
    const QImage image = RenderPicture(picture, printFont, size, theme, zoom);
    if (image.isNull()) {
        return QStringLiteral("not enough memory for a %1x%2 picture")
            .arg(size.width())
            .arg(size.height());
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        return OneLine(writer.errorString());
    }
    return {};
}

QString EncodeSvg(const DisplayList& picture, const QFont& printFont, QSize size, Theme theme,
                  const Zoom& zoom, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kDotsPerInch);
    svg.setTitle(QStringLiteral("Orvath"));
    svg.setDescription(QStringLiteral("Refraction of a plane wave by secondary wavelets"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return QStringLiteral("cannot start an SVG drawing");
    }
    PaintDisplayList(picture, painter, size, printFont, {}, theme, zoom);
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

QImage RenderPicture(const DisplayList& picture, const QFont& printFont, QSize size, Theme theme,
                     const Zoom& zoom) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const int dotsPerMetre = qRound(kDotsPerInch / kMetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    PaintDisplayList(picture, painter, size, printFont, {}, theme, zoom);
    return image;
}

QString WritePicture(const DisplayList& picture, const QFont& printFont, QSize size,
                     PictureFormat format, const QString& path, Theme theme, const Zoom& zoom) {
    // The file is opened first, so that a path it cannot have is refused at once.
    WholeFile file;
    if (const std::string error = file.Open(QFile::encodeName(path).toStdString());
        !error.empty()) {
        return QString::fromStdString(error);
    }
    QByteArray bytes;
    const QString error = format == PictureFormat::Png
                              ? EncodePng(picture, printFont, size, theme, zoom, bytes)
                              : EncodeSvg(picture, printFont, size, theme, zoom, bytes);
    if (!error.isEmpty()) {
        return error;
    }
    file.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return QString::fromStdString(file.Commit());
}

}  // namespace orvath
