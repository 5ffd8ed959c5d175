// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/common/errorfence.h"

#include <QCoreApplication>

#include <new>
#include <stdexcept>

namespace stagepath {

QString describeError(const std::exception_ptr &error)
{
    // The texts are the window's (context MainWindow), where they were first shown.
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc &) {
        return QCoreApplication::translate("MainWindow",
                                           "Bellek yetmedi; işlem yapılamadı. Pencere çalışmaya devam ediyor.");
    } catch (const std::exception &e) {
        return QCoreApplication::translate("MainWindow", "Beklenmeyen bir hata oluştu: %1.")
            .arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QCoreApplication::translate("MainWindow", "Beklenmeyen bir hata oluştu.");
    }
}

} // namespace stagepath
