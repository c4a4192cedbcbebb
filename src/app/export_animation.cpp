// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/export_animation.h"

#include <QElapsedTimer>
#include <QFile>
#include <ostream>

#include "desktop/animation_export.h"
#include "model/message_text.h"

namespace orvath {
namespace {

// Progress shows once a run has taken this long, and changes at most this often.
constexpr qint64 kProgressAfterMs = 500;
constexpr qint64 kProgressEveryMs = 100;

// Writes "orvath: FILE: frame N of M" over the line before, now and then.
class ProgressLine {
  public:
    ProgressLine(std::ostream& err, std::string name, bool shown)
        : err_(err), name_(std::move(name)), shown_(shown) {
        clock_.start();
    }

    void Frame(int done, int count) {
        if (!shown_ || clock_.elapsed() < kProgressAfterMs ||
            (written_ && clock_.elapsed() - lastMs_ < kProgressEveryMs && done < count)) {
            return;
        }
        err_ << "\rorvath: " << name_ << ": frame " << done << " of " << count << std::flush;
        written_ = true;
        lastMs_ = clock_.elapsed();
    }

    // Ends the line, so that what follows starts on a line of its own.
    void End() {
        if (written_) {
            err_ << '\n';
            written_ = false;
        }
    }

  private:
    std::ostream& err_;
    std::string name_;
    bool shown_;
    bool written_ = false;
    QElapsedTimer clock_;
    qint64 lastMs_ = 0;
};

}  // namespace

int RunAnimationExport(const CommandLine& commandLine, std::ostream& err, bool showProgress) {
    const std::string name = PrintableName(commandLine.exportFile);
    const QString path = QFile::decodeName(QByteArray::fromStdString(commandLine.exportFile));
    if (!path.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
        err << "orvath: " << name << ": an animation is a GIF (the name must end in .gif)\n";
        return 2;
    }
    AnimationSettings settings;
    settings.panel = commandLine.settings;
    settings.theme = commandLine.theme;
    settings.speed = commandLine.speed;
    settings.fromTime = commandLine.fromTime;
    settings.toTime = commandLine.toTime;
    settings.framesPerSecond = commandLine.framesPerSecond;
    settings.size = QSize(commandLine.clientWidth, commandLine.clientHeight);

    AnimationExport animation(settings);
    ProgressLine progress(err, name, showProgress);
    QString error = animation.Open(path);
    while (error.isEmpty() && !animation.AllFramesDone()) {
        error = animation.AddNextFrame();
        progress.Frame(animation.FramesDone(), animation.FrameCount());
    }
    if (error.isEmpty()) {
        error = animation.Finish();
    }
    progress.End();
    if (!error.isEmpty()) {
        err << "orvath: " << name << ": " << error.toStdString() << '\n';
        return 2;
    }
    return 0;
}

}  // namespace orvath
