// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QProgressDialog>
#include <QSvgRenderer>
#include <QTimer>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>
#include <sstream>

#include "app/export.h"
#include "desktop/picture_file.h"
#include "model/animation_run.h"
#include "support/gif_reading.h"
#include "support/started_window.h"

namespace orvath::testing {
namespace {

namespace fs = std::filesystem;

class PictureFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orvath-pictures-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // Runs the export as `orvath --export FILE --size WxH BARS` would.
    int Export(const std::string& file, int width, int height, const PanelSettings& settings = {}) {
        CommandLine commandLine;
        commandLine.action = CommandLine::Action::Export;
        commandLine.exportFile = file;
        commandLine.clientWidth = width;
        commandLine.clientHeight = height;
        commandLine.settings = settings;
        std::ostringstream err;
        const int status = RunExport(commandLine, err);
        errors_ = err.str();
        return status;
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path dir_;
    std::string errors_;
};

// How many pixels are far from white.
int InkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += qGray(image.pixel(x, y)) < 200;
        }
    }
    return inked;
}

// The number of each element name in an SVG document; empty if it does not parse.
std::map<QString, int> SvgElements(const QString& path) {
    QFile file(path);
    std::map<QString, int> counts;
    if (!file.open(QIODevice::ReadOnly)) {
        return counts;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            ++counts[xml.name().toString()];
        }
    }
    if (xml.hasError()) {
        counts.clear();
    }
    return counts;
}

TEST_F(PictureFiles, PngHasTheAskedSizeAndShowsThePicture) {
    ASSERT_EQ(Export(Path("wave.png"), 640, 360), 0) << errors_;
    EXPECT_EQ(errors_, "");
    QImage image(QString::fromStdString(Path("wave.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(640, 360));
    // The boundary runs across the middle, and more than the boundary is drawn.
    int boundary = 0;
    for (int x = 0; x < 640; ++x) {
        boundary += qGray(image.pixel(x, 179)) < 128 || qGray(image.pixel(x, 180)) < 128;
    }
    EXPECT_GT(boundary, 600);
    EXPECT_GT(InkedPixels(image), 3 * 640);
    EXPECT_EQ(Entries(), std::vector<std::string>{"wave.png"});
}

TEST_F(PictureFiles, PngIsWhatTheWindowShowsAfterTheSameSettings) {
    PanelSettings settings;
    settings.mode = DisplayMode::Wavelets;
    settings[Bar::Angle] = 40;
    settings[Bar::Index] = 120;
    ASSERT_EQ(Export(Path("window.PNG"), 800, 450, settings), 0) << errors_;
    const QImage exported(QString::fromStdString(Path("window.PNG")));

    OrvathWindow form{WindowWiring{.realTimeTimer = false}};
    form.StartUp({QRect(0, 0, 800, 450), 15});
    form.MoveBar(Bar::Angle, 40);
    form.MoveBar(Bar::Index, 120);
    const QImage shown = form.CanvasWidget().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(exported.convertToFormat(QImage::Format_RGB32), shown);

    ASSERT_EQ(Export(Path("default.png"), 800, 450), 0) << errors_;
    EXPECT_NE(QImage(QString::fromStdString(Path("default.png"))), exported);
}

TEST_F(PictureFiles, SvgParsesAndKeepsLinesAndArcsAsVectors) {
    ASSERT_EQ(Export(Path("wave.svg"), 1200, 700), 0) << errors_;
    const QString path = QString::fromStdString(Path("wave.svg"));
    const QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 1200, 700));
    const auto elements = SvgElements(path);
    ASSERT_FALSE(elements.empty());
    EXPECT_GT(elements.count("path") ? elements.at("path") : 0, 5);
    EXPECT_GT(elements.count("polyline") ? elements.at("polyline") : 0, 5);
    EXPECT_EQ(elements.count("image"), 0U);
}

TEST_F(PictureFiles, UnknownTypeIsRefusedBeforeAnythingIsWritten) {
    for (const char* name : {"wave.jpg", "wave", "wave.png.txt", "svg"}) {
        EXPECT_EQ(Export(Path(name), 640, 360), 2) << name;
        EXPECT_EQ(errors_, "orvath: " + Path(name) +
                               ": unknown picture type (the name must end in .png or .svg)\n");
    }
    EXPECT_TRUE(Entries().empty());
}

TEST_F(PictureFiles, UnwritablePlacesGiveOneLineAndNoFile) {
    fs::create_directories(dir_ / "taken.png");
    for (const std::string& path :
         {Path("missing/wave.png"), Path("taken.png"), Path("missing/wave.svg")}) {
        EXPECT_EQ(Export(path, 640, 360), 2) << path;
        EXPECT_EQ(errors_.rfind("orvath: " + path + ": ", 0), 0U) << errors_;
        EXPECT_EQ(std::count(errors_.begin(), errors_.end(), '\n'), 1) << errors_;
    }
    EXPECT_EQ(Entries(), std::vector<std::string>{"taken.png"});
    EXPECT_TRUE(fs::is_directory(dir_ / "taken.png"));
}

TEST_F(PictureFiles, AFailedSaveLeavesTheOldFileAsItWas) {
    StartedWindow started;
    const QString path = QString::fromStdString(Path("kept.png"));
    ASSERT_EQ(started.desktop->SavePicture(path), "");
    const auto bytes = fs::file_size(Path("kept.png"));
    EXPECT_NE(started.desktop->SavePicture(QString::fromStdString(Path("kept.gif"))), "");
    EXPECT_EQ(fs::file_size(Path("kept.png")), bytes);
    EXPECT_EQ(Entries(), std::vector<std::string>{"kept.png"});
}

// The window's save actions refuse what the command line refuses, with the
// same reason for their message box.
TEST_F(PictureFiles, TheWindowRefusesToSaveOverAFifo) {
    StartedWindow started;
    for (const char* name : {"fifo.png", "fifo.gif"}) {
        ASSERT_EQ(::mkfifo(Path(name).c_str(), 0644), 0);
        const QString path = QString::fromStdString(Path(name));
        const QString error = QString(name).endsWith(".gif") ? started.desktop->SaveAnimation(path)
                                                             : started.desktop->SavePicture(path);
        EXPECT_EQ(error, "Cannot save " + path + ": is a FIFO, not a regular file");
        EXPECT_TRUE(fs::is_fifo(Path(name)));
    }
    EXPECT_EQ(Entries().size(), 2U);
}

TEST_F(PictureFiles, CtrlSSavesThePictureTheCanvasShows) {
    StartedWindow started;
    started.window.MoveBar(Bar::Angle, 35);
    const Canvas& canvas = started.window.CanvasWidget();
    for (const char* name : {"saved.png", "saved.svg"}) {
        const QString path = QString::fromStdString(Path(name));
        started.desktop->SetFileChooser([&](QWidget&) { return path; });
        started.Press(Qt::Key_S, Qt::ControlModifier);
    }
    const QImage saved(QString::fromStdString(Path("saved.png")));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              RenderPicture(canvas.Picture(), started.window.font(), canvas.size()));
    EXPECT_EQ(QSvgRenderer(QString::fromStdString(Path("saved.svg"))).viewBox(),
              QRect(QPoint(0, 0), canvas.size()));
}

TEST_F(PictureFiles, CancellingTheSaveDialogWritesNothing) {
    StartedWindow started;
    started.desktop->SetFileChooser([](QWidget&) { return QString(); });
    started.Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Entries().empty());
}

// Ctrl+Shift+S writes the whole run in the window's settings and theme.
TEST_F(PictureFiles, CtrlShiftSSavesTheWindowsAnimation) {
    StartedWindow started;
    const QString path = QString::fromStdString(Path("run.gif"));
    started.desktop->SetAnimationFileChooser([&](QWidget&) { return path; });
    started.window.Click(Button::Continuous);
    started.window.MoveBar(Bar::Angle, 40);
    started.Press(Qt::Key_T);
    const AnimationSettings settings = started.desktop->WindowAnimation();
    EXPECT_TRUE(settings.panel.mode == DisplayMode::Continuous &&
                settings.panel[Bar::Angle] == 40 && settings.theme == Theme::Projector);
    started.Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    const GifReading gif = ReadGif(path);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->ImageCount, 126);
    EXPECT_EQ(QSize(gif->SWidth, gif->SHeight), QSize(960, 540));
    EXPECT_EQ(Entries(), std::vector<std::string>{"run.gif"});
}

TEST_F(PictureFiles, CancellingTheAnimationLeavesNoFile) {
    StartedWindow started;
    const QString path = QString::fromStdString(Path("run.gif"));
    int framesWhenCancelled = -1;
    QTimer::singleShot(0, [&] {
        auto* progress = started.window.findChild<QProgressDialog*>();
        ASSERT_NE(progress, nullptr);
        framesWhenCancelled = progress->value();
        EXPECT_TRUE(progress->labelText().contains(QString::fromStdString(AnimationLimits())));
        progress->cancel();
    });
    EXPECT_EQ(started.desktop->SaveAnimation(path), "");
    EXPECT_GE(framesWhenCancelled, 0);
    EXPECT_LT(framesWhenCancelled, 126);
    EXPECT_TRUE(Entries().empty());
}

TEST(Clipboard, CtrlCCopiesThePicture) {
    StartedWindow started;
    QGuiApplication::clipboard()->clear();
    started.Press(Qt::Key_C, Qt::ControlModifier);
    const Canvas& canvas = started.window.CanvasWidget();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), canvas.size());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              RenderPicture(canvas.Picture(), started.window.font(), canvas.size()));
}

}  // namespace
}  // namespace orvath::testing
