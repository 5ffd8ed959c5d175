// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls of the window's client area, at their design places. Each is
// named here by its role; its object name is the one the window's design
// gives it (Text1, ListView2, ...), set in createClientArea and nowhere else.
// Texts are set by retranslateClientArea, which the window calls at every
// change of language.

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSize;
class QTimer;
class QWidget;

class QMainWindow;

namespace stagepath {

class PictureBox;
class ReportView;
class TabStrip;

struct ClientArea {
    QWidget *widget = nullptr; // holds every control; its origin is the window's inner corner

    QLabel *stageCountLabel = nullptr;    // Label1
    QLineEdit *stageCountEdit = nullptr;  // Text1: the stage count N
    ReportView *stageView = nullptr;      // ListView1: box count of each column
    QPushButton *redrawButton = nullptr;  // Command1 "Tekrar Çiz"
    QLabel *xSpacingLabel = nullptr;      // Label2
    QLineEdit *xSpacingEdit = nullptr;    // Text2
    QLabel *ySpacingLabel = nullptr;      // Label3
    QLineEdit *ySpacingEdit = nullptr;    // Text3
    QFrame *viewport = nullptr;           // Frame1: clips the picture
    PictureBox *picture = nullptr;        // Picture1: the drawing surface
    QScrollBar *horizontalBar = nullptr;  // HScroll1 (twips)
    QScrollBar *verticalBar = nullptr;    // VScroll1 (twips)
    QLabel *penWidthLabel = nullptr;      // Label4
    QLabel *circleSizeLabel = nullptr;    // Label5
    QLineEdit *penWidthEdit = nullptr;    // Text4
    QComboBox *circleSizeBox = nullptr;   // Combo1: "10" .. "20"
    QCheckBox *colourLinesBox = nullptr;  // Check1
    TabStrip *stageTabs = nullptr;        // TabStrip1: "Tümü" and one tab per stage
    ReportView *edgeView = nullptr;       // ListView2: every edge
    ReportView *stageEdgeView = nullptr;  // ListView3: the edges of one stage
    QListView *pathTextList = nullptr;    // List1: path texts, never shown
    QPushButton *listPathsButton = nullptr;    // Command4 "Hesaplama Yap"
    ReportView *resultView = nullptr;          // ListView5: every path
    QRadioButton *shortestOption = nullptr;    // Option1
    QRadioButton *longestOption = nullptr;     // Option2
    QPushButton *bestPathButton = nullptr;     // Command5 "Çiz"
    QTimer *boxCountTimer = nullptr;           // Timer1: after a box count edit
    QTimer *edgeValueTimer = nullptr;          // Timer2: after an edge value edit
};

// Creates the client area as a child of window and every control on it, in
// tab order, at its place.
ClientArea createClientArea(QWidget *window);
// Names the main window "Form1", gives it the design's font, and creates the
// client area as its central widget.
ClientArea createMainClientArea(QMainWindow *window);

// The design's column widths of the stage and edge tables; call once their
// models are set.
void applyDesignColumnWidths(const ClientArea &area);
// After every change of the result table's columns: every column of the
// standard width, but "Yol" (pathColumn, -1 when there is none) 3000 twips.
void applyResultColumnWidths(const ClientArea &area, int pathColumn);

// The controls' texts and accessible names in the language in effect.
void retranslateClientArea(const ClientArea &area);

// The design's inner size of the window, in pixels.
QSize designClientSize();

} // namespace stagepath
