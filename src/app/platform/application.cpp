// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform/application.h"

#include "app/platform/commandline.h"
#include "app/tables/reportaccessible.h"
#include "app/window/mainwindow.h"

#include <QCommandLineParser>
#include <QDropEvent>
#include <QGuiApplication>

#include <cstdio>

namespace stagepath {

namespace {
bool displayAvailable()
{
#if defined(Q_OS_LINUX)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("stagepath"));
    QCoreApplication::setApplicationVersion(QStringLiteral(STAGEPATH_VERSION));
}

// Parses the command line of the running application; --help and --version
// answer and end the program here, as does a wrong option.
CommandLineRequest parseCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    buildCommandLine(parser);
    parser.process(app);
    return readCommandLine(parser);
}

// Whether the command line asks for the batch mode (a wrong command line
// does not: the ordinary start reports it).
bool asksForBatch(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    buildCommandLine(parser);
    return parser.parse(arguments) && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version"))
        && readCommandLine(parser).batch.isBatch();
}

// The batch mode: no window, so no display either; the drawing is painted
// on the offscreen platform.
int runBatchApplication(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error is for the one line that names a problem: the
    // toolkit's notes (on the missing session, say) stay out of it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "stagepath: %s\n", qUtf8Printable(message));
    });
    const QGuiApplication app(argc, argv);
    nameApplication();
    const CommandLineRequest request = parseCommandLine(app);
    const BatchResult result = request.problem.isEmpty() ? runBatch(request.batch) : BatchResult{1, {}, request.problem};
    std::fputs(qUtf8Printable(result.output), stdout);
    if (!result.problem.isEmpty())
        std::fprintf(stderr, "stagepath: %s\n", qUtf8Printable(result.problem));
    return result.exitCode;
}

} // namespace

bool Application::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::Drop && !event->spontaneous() && receiver->isWidgetType()) {
        const auto *drop = static_cast<QDropEvent *>(event);
        QDragEnterEvent enter(drop->position().toPoint(), drop->possibleActions(), drop->mimeData(), drop->buttons(),
                              drop->modifiers());
        QApplication::notify(receiver, &enter);
    }
    return QApplication::notify(receiver, event);
}

int runApplication(int argc, char *argv[])
{
    if (asksForBatch(argc, argv))
        return runBatchApplication(argc, argv);
    if (!displayAvailable()) {
        // --help and --version need no display.
        const QCoreApplication app(argc, argv);
        nameApplication();
        parseCommandLine(app);
        std::fprintf(stderr, "stagepath: no display found (DISPLAY is not set); "
                             "start it under a virtual X server: xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    Application app(argc, argv);
    nameApplication();
    // No display name: the window's caption is its whole title.
    QApplication::setDesktopFileName(QStringLiteral("io.github.stagepath.StagePath"));
    const CommandLineRequest request = parseCommandLine(app);
    if (!request.problem.isEmpty()) {
        std::fprintf(stderr, "stagepath: %s\n", qUtf8Printable(request.problem));
        return 1;
    }

    installReportAccessibility();
    MainWindow window;
    window.show();
    // A file that cannot be opened is reported over the start-up lesson.
    if (!request.lessonFile.isEmpty())
        window.openLesson(request.lessonFile);
    return app.exec();
}

} // namespace stagepath
