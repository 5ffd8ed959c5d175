#include "application.h"

#include "form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
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

// Ends the event loop once the watched window has been painted for the first
// time: the quit is queued, so the whole first frame is painted before it.
class QuitAfterFirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }
};
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
    // For start-up timing: STAGEPATH_EXIT_AFTER_SHOW=1 ends the program after the window's first paint.
    if (qEnvironmentVariableIntValue("STAGEPATH_EXIT_AFTER_SHOW") == 1)
        window.installEventFilter(new QuitAfterFirstPaint(&window));
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
