// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

#include "surface/display_list.h"
#include "surface/theme.h"
#include "surface/zoom.h"

namespace orvath {

enum class PictureFormat { Png, Svg };

// A message from Qt or a library made one line, for an error line.
QString OneLine(QString text);

// The format that a file name's extension asks for (".png" or ".svg", in any
// case), or none.
std::optional<PictureFormat> PictureFormatFor(const QString& path);

// The picture as a raster image of the given size in pixels, painted exactly
// as the canvas paints it in the theme at the zoom. Null when an image that
// large cannot be had.
QImage RenderPicture(const DisplayList& picture, const QFont& printFont, QSize size,
                     Theme theme = Theme::Classic, const Zoom& zoom = {});

// Writes the picture to `path` as PNG (raster, `size` pixels) or SVG (vector,
// `size` user units), whole or not at all (see WholeFile). Returns why it
// could not be written, on one line, or an empty string.
QString WritePicture(const DisplayList& picture, const QFont& printFont, QSize size,
                     PictureFormat format, const QString& path, Theme theme = Theme::Classic,
                     const Zoom& zoom = {});

}  // namespace orvath
