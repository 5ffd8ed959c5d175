// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A driver for the window, for the start-up benchmark and for screenshots:
// it opens the window as the program does, then does what its arguments say.
// It is built with the tests and benchmarks and never installed, so the
// program itself obeys nothing but its own command line.
//
//   stagepath_driver [--press NAME]... [--linger MS] [--grab OUT.png] [--grab-window NAME=OUT.png]...
//                    [--quit-after-paint]
//
//   --press NAME        once shown, click the button or trigger the action
//                       with that object name (in the order given)
//   --linger MS         then keep running MS milliseconds (300 by default), so
//                       that dialogs the presses opened can be looked at
//   --grab OUT.png      then save the window, as it is shown, to OUT.png
//   --grab-window NAME=OUT.png
//                       and save the window that the widget of that object
//                       name is in (a tool window, say) to OUT.png
//   --quit-after-paint  end right after the window's first paint

#include "app/window/mainwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {

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

bool press(QWidget *window, const QString &name)
{
    if (auto *button = window->findChild<QAbstractButton *>(name)) {
        button->click();
        return true;
    }
    if (auto *action = window->findChild<QAction *>(name)) {
        action->trigger();
        return true;
    }
    std::fprintf(stderr, "stagepath_driver: nothing named %s to press\n", qPrintable(name));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("stagepath"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption pressOption(QStringLiteral("press"), QStringLiteral("Click or trigger NAME."),
                                         QStringLiteral("NAME"));
    const QCommandLineOption grabOption(QStringLiteral("grab"), QStringLiteral("Save the window to FILE."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption quitOption(QStringLiteral("quit-after-paint"),
                                        QStringLiteral("End after the first paint."));
    const QCommandLineOption lingerOption(QStringLiteral("linger"), QStringLiteral("Wait MS before the grab."),
                                          QStringLiteral("MS"), QStringLiteral("300"));
    const QCommandLineOption grabWindowOption(QStringLiteral("grab-window"),
                                              QStringLiteral("Save the window of widget NAME to FILE."),
                                              QStringLiteral("NAME=FILE"));
    parser.addOptions({pressOption, lingerOption, grabOption, grabWindowOption, quitOption});
    parser.process(app);

    stagepath::MainWindow window;
    if (parser.isSet(quitOption))
        window.installEventFilter(new QuitAfterFirstPaint(&window));
    window.show();
    if (parser.isSet(quitOption))
        return app.exec();

    int status = 0;
    QTimer::singleShot(300, &window, [&] {
        for (const QString &name : parser.values(pressOption))
            if (!press(&window, name))
                status = 1;
        QTimer::singleShot(parser.value(lingerOption).toInt(), &window, [&] {
            const QString file = parser.value(grabOption);
            if (!file.isEmpty() && !window.grab().save(file)) {
                std::fprintf(stderr, "stagepath_driver: cannot write %s\n", qPrintable(file));
                status = 1;
            }
            for (const QString &request : parser.values(grabWindowOption)) {
                const QString name = request.section(QLatin1Char('='), 0, 0);
                const QString out = request.section(QLatin1Char('='), 1);
                auto *widget = window.findChild<QWidget *>(name);
                if (!widget || !widget->window()->grab().save(out)) {
                    std::fprintf(stderr, "stagepath_driver: cannot save the window of %s\n", qPrintable(name));
                    status = 1;
                }
            }
            QCoreApplication::exit(status);
        });
    });
    return app.exec();
}
