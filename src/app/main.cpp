#include <QApplication>
#include <QScreen>
#include <iostream>

#include "app/bar_options.h"
#include "app/command_line.h"
#include "app/fonts.h"
#include "app/startup.h"
#include "app/trace_run.h"
#include "form/orvath_form.h"

namespace {

void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "orvath: " << message.toStdString() << '\n';
    }
}

}  // namespace

int main(int argc, char* argv[]) {
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
            std::cout << "orvath " << ORVATH_VERSION << '\n';
            return 0;
        case Action::Trace: {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            // Standard error carries only the trace's own error lines.
            qInstallMessageHandler(QuietQtMessages);
            QApplication app(argc, argv);
            orvath::InstallFontSubstitutes();
            return orvath::RunTrace(commandLine, std::cout, std::cerr);
        }
        case Action::Export:
            std::cerr << "orvath: --export is not available yet\n";
            return 2;
        case Action::Window:
            break;
    }

    QApplication app(argc, argv);
    orvath::InstallFontSubstitutes();
    const QScreen* screen = QGuiApplication::primaryScreen();
    orvath::OrvathForm form;
    orvath::Main(form, {screen->geometry(), 1440.0 / screen->logicalDotsPerInchY()});
    orvath::ApplyBarOptions(form, commandLine.bars);
    if (commandLine.autoplay) {
        form.Click(orvath::ControlId::Command1);
    }
    return QApplication::exec();
}
