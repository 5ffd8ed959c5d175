# SPDX-FileCopyrightText: 2026 The stagepath developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Nearly every source includes some of Qt's headers, and reading them takes
# most of a source's compile time (about three seconds each, against a
# fraction of that for the code itself). Each library precompiles the Qt and
# standard headers of its own layer once; the tests of a folder share one
# precompiled set. A source that would read a header differently (another macro) falls
# back to reading the headers, so this changes build time only.
option(STAGEPATH_PCH "Precompile the Qt and standard headers the sources share" ON)

set(STAGEPATH_PCH_CORE
  <algorithm> <cmath> <functional> <limits> <memory> <optional> <utility> <vector>
  <QCoreApplication> <QDir> <QFileInfo> <QHash> <QList> <QLocale> <QObject> <QString> <QStringList>)
set(STAGEPATH_PCH_GUI ${STAGEPATH_PCH_CORE} <QColor> <QFont> <QGuiApplication> <QImage> <QPainter>)
set(STAGEPATH_PCH_WIDGETS ${STAGEPATH_PCH_GUI}
  <QAbstractItemView> <QAbstractTableModel> <QAction> <QApplication> <QComboBox> <QFileDialog> <QHeaderView>
  <QLabel> <QLineEdit> <QMainWindow> <QMenu> <QMessageBox> <QPushButton> <QScrollBar> <QWidget>)
set(STAGEPATH_PCH_TEST ${STAGEPATH_PCH_WIDGETS} <QSignalSpy> <QTest>)

# ccache keeps the compiles that use a precompiled set when it sees which
# set (and is told to accept their macros: sloppiness pch_defines,time_macros).
if(STAGEPATH_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-fpch-preprocess)
endif()

# stagepath_precompile(<target> CORE|GUI|WIDGETS|TEST)
function(stagepath_precompile target layer)
  if(STAGEPATH_PCH)
    target_precompile_headers(${target} PRIVATE ${STAGEPATH_PCH_${layer}})
  endif()
endfunction()
