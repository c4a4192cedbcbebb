// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktop_features.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>

#include "desktop/accessibility.h"
#include "desktop/keyboard_focus.h"
#include "desktop/language.h"
#include "desktop/orvath_window.h"
#include "desktop/picture_file.h"
#include "model/animation_run.h"
#include "model/control_texts.h"
#include "model/info_text.h"
#include "model/refraction_facts.h"
#include "model/spoken_texts.h"

namespace orvath {
namespace {

QString PngFilter() {
    return TrText("PNG image (*.png)");
}
QString SvgFilter() {
    return TrText("SVG drawing (*.svg)");
}
QString GifFilter() {
    return TrText("Animated GIF (*.gif)");
}

// The user's pictures folder, or the home folder when there is none.
QString PicturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

// The save dialog, opened where the last picture went; a name without a known
// extension gets the chosen type's.
QString AskForPictureFile(QWidget& parent) {
    static QString directory = PicturesFolder();
    QString filter = PngFilter();
    QString path = QFileDialog::getSaveFileName(&parent, TrText("Save picture"),
                                                QDir(directory).filePath("orvath.png"),
                                                PngFilter() + ";;" + SvgFilter(), &filter);
    if (path.isEmpty()) {
        return path;
    }
    if (!PictureFormatFor(path)) {
        path += filter == SvgFilter() ? QStringLiteral(".svg") : QStringLiteral(".png");
    }
    directory = QFileInfo(path).absolutePath();
    return path;
}

QString AskForAnimationFile(QWidget& parent) {
    static QString directory = PicturesFolder();
    QString path = QFileDialog::getSaveFileName(
        &parent, TrText("Save animation"), QDir(directory).filePath("orvath.gif"), GifFilter());
    if (path.isEmpty()) {
        return path;
    }
    if (!path.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".gif");
    }
    directory = QFileInfo(path).absolutePath();
    return path;
}

}  // namespace

DesktopFeatures::DesktopFeatures(OrvathWindow& window)
    : window_(window),
      overlay_(window.CanvasWidget()),
      focusOutline_(window),
      keys_(window),
      actions_(window, {.savePicture = [this] { SaveWithDialog(); },
                        .copyPicture = [this] { CopyPicture(); },
                        .saveAnimation = [this] { SaveAnimationWithDialog(); },
                        .toggleInformation = [this] { ToggleInformation(); },
                        .informationShown = [this] { return !overlay_.isHidden(); },
                        .setLanguage = [this](std::string_view code) { SetLanguage(code); }}),
      chooseFile_(AskForPictureFile),
      chooseAnimationFile_(AskForAnimationFile) {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvath.Orvath"));
    window_.setWindowIcon(QIcon(QStringLiteral(":/icons/org.orvath.Orvath.svg")));
    DescribeControls(window_);
    DescribePicture();
    window_.Model().AddObserver(*this);
    QObject::connect(&window_.CanvasWidget(), &Canvas::MenuRequested, &window_,
                     [this](QPoint at) { actions_.ShowMenu(at); });
}

DesktopFeatures::~DesktopFeatures() {
    window_.Model().RemoveObserver(*this);
}

void DesktopFeatures::SetLanguage(std::string_view code) {
    ChooseLanguage(code);
    window_.RewriteTexts();
    actions_.WriteTexts();
    overlay_.setAccessibleName(TrText(kInformationName));
    DescribeControls(window_);
    DescribePicture();
}

void DesktopFeatures::BarChanged(Bar bar, int /*value*/) {
    if (bar == Bar::Angle || bar == Bar::Index) {
        UpdateAngleDescription(window_);
        DescribePicture();
        return;
    }
    RefreshOverlay();
}

void DesktopFeatures::OptionSelected(DisplayMode /*mode*/) {
    DescribePicture();
}

void DesktopFeatures::ViewChanged(View /*view*/) {
    DescribePicture();
}

void DesktopFeatures::ReflectionChanged(bool /*shown*/) {
    DescribePicture();
}

void DesktopFeatures::DescribePicture() {
    const Panel& panel = window_.Model();
    window_.CanvasWidget().setAccessibleDescription(QString::fromStdString(
        PictureSummary(panel.Mode(), panel.CurrentView(), panel.Reflection(), panel.CurrentFacts(),
                       QLocale().decimalPoint().toStdString())));
    RefreshOverlay();
}

void DesktopFeatures::RefreshOverlay() {
    // A hidden box costs nothing while the timer runs; it is filled when shown.
    if (overlay_.isHidden()) {
        return;
    }
    const Panel& panel = window_.Model();
    const RefractionFacts facts = panel.CurrentFacts();
    overlay_.SetLines(
        InfoOverlayLines(facts, panel.CurrentView(), QLocale().decimalPoint().toStdString()));
}

void DesktopFeatures::ToggleInformation() {
    overlay_.setVisible(overlay_.isHidden());
    RefreshOverlay();
}

QString DesktopFeatures::SavePicture(const QString& path) const {
    const auto format = PictureFormatFor(path);
    if (!format) {
        return TrText("Cannot save %1: the name must end in .png or .svg").arg(path);
    }
    const Canvas& canvas = window_.CanvasWidget();
    const QString error = WritePicture(canvas.Picture(), window_.font(), canvas.size(), *format,
                                       path, canvas.CurrentTheme(), canvas.CurrentZoom());
    return error.isEmpty() ? error : TrText("Cannot save %1: %2").arg(path, error);
}

void DesktopFeatures::CopyPicture() const {
    const Canvas& canvas = window_.CanvasWidget();
    QGuiApplication::clipboard()->setImage(RenderPicture(canvas.Picture(), window_.font(),
                                                         canvas.size(), canvas.CurrentTheme(),
                                                         canvas.CurrentZoom()));
}

void DesktopFeatures::SaveWithDialog() {
    const QString path = chooseFile_(window_);
    if (path.isEmpty()) {
        return;
    }
    const QString error = SavePicture(path);
    if (!error.isEmpty()) {
        QMessageBox::warning(&window_, TrText("Save picture"), error);
    }
}

AnimationSettings DesktopFeatures::WindowAnimation() const {
    const Panel& panel = window_.Model();
    AnimationSettings settings;
    settings.panel = SettingsShown(panel);
    settings.theme = window_.CurrentTheme();
    settings.speed = panel.Speed();
    return settings;
}

QString DesktopFeatures::SaveAnimation(const QString& path) {
    AnimationExport animation(WindowAnimation());
    const QString error = animation.Open(path);
    if (!error.isEmpty()) {
        return TrText("Cannot save %1: %2").arg(path, error);
    }
    const AnimationSettings& settings = animation.Settings();
    QProgressDialog progress(TrText("Writing %1: %2 frames of %3x%4 pixels\n(an animation has %5)")
                                 .arg(QFileInfo(path).fileName())
                                 .arg(animation.FrameCount())
                                 .arg(settings.size.width())
                                 .arg(settings.size.height())
                                 .arg(QString::fromStdString(AnimationLimits())),
                             TrText("Cancel"), 0, animation.FrameCount(), &window_);
    progress.setWindowTitle(TrText("Save animation"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    // A modal dialog lets the event loop run at each value, so Cancel is seen.
    while (!animation.AllFramesDone()) {
        progress.setValue(animation.FramesDone());
        if (progress.wasCanceled()) {
            animation.Cancel();
            return {};
        }
        if (const QString frameError = animation.AddNextFrame(); !frameError.isEmpty()) {
            return TrText("Cannot save %1: %2").arg(path, frameError);
        }
    }
    progress.setValue(animation.FrameCount());
    const QString finishError = animation.Finish();
    return finishError.isEmpty() ? finishError
                                 : TrText("Cannot save %1: %2").arg(path, finishError);
}

void DesktopFeatures::SaveAnimationWithDialog() {
    const QString path = chooseAnimationFile_(window_);
    if (path.isEmpty()) {
        return;
    }
    const QString error = SaveAnimation(path);
    if (!error.isEmpty()) {
        QMessageBox::warning(&window_, TrText("Save animation"), error);
    }
}

}  // namespace orvath
