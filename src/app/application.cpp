#include "application.h"

#include "mainwindow.h"

#include <QApplication>

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
} // namespace

int runApplication(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "stagepath: no display found (DISPLAY is not set); "
                             "start it under a virtual X server: xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("stagepath"));
    // No display name: the window's caption is its whole title.
    QApplication::setDesktopFileName(QStringLiteral("io.github.stagepath.StagePath"));

    MainWindow window;
    window.show();
    return app.exec();
}

} // namespace stagepath
