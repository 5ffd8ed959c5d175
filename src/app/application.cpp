#include "application.h"

#include "form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

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
    QApplication::setApplicationDisplayName(QStringLiteral("En Kısa Yol"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.stagepath.StagePath"));

    Form1 window;
    window.show();

    // For scripted screenshots: STAGEPATH_AUTOCLICK=Command5 clicks that button once shown.
    const QString autoClick = qEnvironmentVariable("STAGEPATH_AUTOCLICK");
    if (!autoClick.isEmpty()) {
        QTimer::singleShot(300, &window, [&window, autoClick] {
            if (auto *button = window.findChild<QAbstractButton *>(autoClick))
                button->click();
        });
    }
    return app.exec();
}

} // namespace stagepath
