// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window tests share: the window, and its controls and tables
// reached by object name as a person (or a GUI test tool) reaches them.

#include "app/window/mainwindow.h"
#include "lesson/lessondocument.h"

#include <QAbstractItemView>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

class WindowDriver
{
protected:
    // The window remembers its language in the settings: each test program
    // keeps its own, apart from the user's and from the other programs'.
    WindowDriver()
    {
        static const QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    }

    std::unique_ptr<stagepath::MainWindow> form;

    // A new window, shown; false when it never appears on the screen.
    bool openWindow()
    {
        form = std::make_unique<stagepath::MainWindow>();
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }

    // The lesson's settings in effect, as the window's document holds them.
    const stagepath::LessonSettings &lessonSettings() const
    {
        return form->findChild<stagepath::LessonDocument *>(QString(), Qt::FindDirectChildrenOnly)->settings().values;
    }

    template <typename T> T *child(const char *name) const
    {
        auto *w = form->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QAbstractItemModel *model(const char *view) const { return child<QAbstractItemView>(view)->model(); }
    QString cell(const char *view, int row, int column) const
    {
        return model(view)->index(row, column).data().toString();
    }
    // The texts of one column, of at most maxRows rows.
    QStringList column(const char *view, int c, int maxRows = std::numeric_limits<int>::max()) const
    {
        QStringList values;
        for (int r = 0; r < qMin(model(view)->rowCount(), maxRows); ++r)
            values << cell(view, r, c);
        return values;
    }
    QStringList headers(const char *view) const
    {
        QStringList h;
        for (int c = 0; c < model(view)->columnCount(); ++c)
            h << model(view)->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        return h;
    }
    QStringList tabs() const
    {
        QStringList t;
        auto *bar = child<QTabBar>("TabStrip1");
        for (int i = 0; i < bar->count(); ++i)
            t << bar->tabText(i);
        return t;
    }
    QMessageBox *visibleMessage() const
    {
        for (auto *box : form->findChildren<QMessageBox *>())
            if (box->isVisible())
                return box;
        return nullptr;
    }
    void closeMessages() const
    {
        for (auto *box : form->findChildren<QMessageBox *>())
            box->hide();
    }
};
