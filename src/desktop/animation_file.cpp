// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/animation_file.h"

#include <QFile>

#include "desktop/whole_file.h"

namespace orvath {

AnimationFile::AnimationFile() = default;

AnimationFile::~AnimationFile() {
    Cancel();
}

QString AnimationFile::Open(const QString& path, QSize size) {
    Cancel();
    auto file = std::make_unique<WholeFile>();
    // The size is checked before the file is opened.
    if (std::string error = gif_.Open([](const std::uint8_t*, std::size_t) { return true; },
                                      size.width(), size.height());
        !error.empty()) {
        return QString::fromStdString(error);
    }
    gif_.Close();
    if (const std::string error = file->Open(QFile::encodeName(path).toStdString());
        !error.empty()) {
        return QString::fromStdString(error);
    }
    file_ = std::move(file);
    WholeFile* target = file_.get();
    const std::string error =
        gif_.Open([target](const std::uint8_t* bytes,
                           std::size_t count) { return target->Write(bytes, count); },
                  size.width(), size.height());
    return error.empty() ? QString() : Fail(error);
}

QString AnimationFile::AddFrame(const QImage& frame, int delayCentiseconds) {
    if (!IsOpen()) {
        return QStringLiteral("no animation is open");
    }
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    const PixelView view{reinterpret_cast<const Argb*>(pixels.constBits()), pixels.width(),
                         pixels.height(), static_cast<int>(pixels.bytesPerLine() / sizeof(Argb))};
    const std::string error = gif_.AddFrame(view, delayCentiseconds);
    return error.empty() ? QString() : Fail(error);
}

QString AnimationFile::Finish() {
    if (!IsOpen()) {
        return QStringLiteral("no animation is open");
    }
    if (const std::string error = gif_.Finish(); !error.empty()) {
        return Fail(error);
    }
    const QString result = QString::fromStdString(file_->Commit());
    file_.reset();
    return result;
}

void AnimationFile::Cancel() {
    gif_.Close();
    file_.reset();
}

QString AnimationFile::Fail(const std::string& error) {
    const std::string reason = file_ && !file_->Error().empty() ? file_->Error() : error;
    Cancel();
    return QString::fromStdString(reason);
}

}  // namespace orvath
