// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QScreen>
#include <cstdlib>
#include <iostream>

#include <unistd.h>

#include "app/export.h"
#include "app/export_animation.h"
#include "app/trace_run.h"
#include "desktop/desktop_features.h"
#include "desktop/fonts.h"
#include "desktop/frame_pacer.h"
#include "desktop/language.h"
#include "desktop/orvath_window.h"
#include "panel/animation_stats.h"
#include "panel/command_line.h"
#include "text/languages.h"

namespace {

void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "orvath: " << message.toStdString() << '\n';
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // Start-up is timed from here for --stats.
    orvath::AnimationStats stats;
    std::ios::sync_with_stdio(false);
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto [commandLine, error] = orvath::ParseCommandLine(args);
    if (!error.empty()) {
        std::cerr << "orvath: " << error << '\n';
        return 2;
    }
    using Action = orvath::CommandLine::Action;
    switch (commandLine.action) {
        case Action::Help:
            std::cout << orvath::UsageText();
            return 0;
        case Action::Version:
            std::cout << "orvath " << ORVATH_VERSION << '\n'
                      << "Copyright (C) 2026 The Orvath developers\n"
                         "License GPL-3.0-or-later: GNU GPL version 3 or later "
                         "<https://gnu.org/licenses/gpl.html>\n"
                         "This is free software: you are free to change and redistribute it.\n"
                         "There is NO WARRANTY, to the extent permitted by law.\n";
            return 0;
        case Action::Trace:
        case Action::Export:
        case Action::ExportAnimation: {
            // No display; standard error carries only the program's own lines.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qInstallMessageHandler(QuietQtMessages);
            QApplication app(argc, argv);
            orvath::InstallFontSubstitutes();
            // The original texts whatever the locale, unless --lang asks.
            if (!commandLine.language.empty()) {
                orvath::ChooseLanguage(commandLine.language);
            }
            if (commandLine.action == Action::Trace) {
                return orvath::RunTrace(commandLine, std::cout, std::cerr);
            }
            return commandLine.action == Action::Export
                       ? orvath::RunExport(commandLine, std::cerr)
                       : orvath::RunAnimationExport(commandLine, std::cerr,
                                                    isatty(STDERR_FILENO) == 1);
        }
        case Action::Window:
            break;
    }

    QApplication app(argc, argv);
    orvath::InstallFontSubstitutes();
    orvath::ChooseLanguage(
        commandLine.language.empty()
            ? orvath::LanguageFromEnvironment([](const char* name) { return std::getenv(name); })
            : std::string_view(commandLine.language));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::cerr << "orvath: no screen to open the window on\n";
        return 1;
    }
    orvath::OrvathWindow window(orvath::WindowWiring{.stats = &stats});
    // However fast the timer changes the picture, the window repaints at the display's pace.
    const orvath::FramePacer pacer(window);
    if (commandLine.quitAtEnd) {
        QObject::connect(&window, &orvath::OrvathWindow::TimeRanOut, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    }
    orvath::ApplyViewSettings(commandLine.settings, window);
    window.SetTheme(commandLine.theme);
    window.Model().SetSpeed(commandLine.speed);
    window.StartUp({screen->geometry(), orvath::kTwipsPerInch / screen->logicalDotsPerInchY()});
    window.AddDesktopFeatures();
    orvath::ApplySettings(commandLine.settings, window);
    if (commandLine.mysterySeed) {
        window.StartMystery(*commandLine.mysterySeed);
    }
    window.Hands().SetZoom(commandLine.zoom);
    window.Hands().ShowProtractor(commandLine.protractor);
    window.Hands().ShowRuler(commandLine.ruler);
    if (commandLine.autoplay) {
        // The timer starts once the first picture is on the screen: that
        // paint fills a backing store the system has only just handed over,
        // and is no frame of the animation.
        QObject::connect(
            &window.CanvasWidget(), &orvath::Canvas::Painted, &window,
            [&window] { window.Click(orvath::Button::Start); },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    const int status = QApplication::exec();
    if (commandLine.stats) {
        std::cerr << orvath::StatsLine(stats.Figures()) << '\n';
    }
    return status;
}
