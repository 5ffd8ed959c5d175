// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window/clientarea.h"

#include "app/common/keyboard.h"
#include "app/common/twips.h"
#include "app/lessonui/tabstrip.h"
#include "app/picture/picturebox.h"
#include "app/tables/reportview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <initializer_list>

namespace stagepath {

namespace {

// The inner area at design, in twips.
constexpr int designWidthTwips = 15240;
constexpr int designHeightTwips = 11010;
// The "Yol" column of the result table.
constexpr int pathColumnWidthTwips = 3000;
// The timers after an in-place edit.
constexpr int editTimerInterval = 200;

template <typename W>
W *place(QWidget *parent, const char *objectName, QRect geometryTwips)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(objectName));
    w->setGeometry(twips::toPixels(geometryTwips.x(), geometryTwips.y(), geometryTwips.width(),
                                   geometryTwips.height()));
    return w;
}

QTimer *editTimer(QObject *parent, const char *objectName)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(objectName));
    timer->setInterval(editTimerInterval);
    timer->setSingleShot(true);
    return timer;
}

void setColumnWidthsTwips(ReportView *view, std::initializer_list<int> widths)
{
    int column = 0;
    for (int w : widths)
        view->setColumnWidth(column++, twips::toPixels(w));
}

// Tab order as the design gives it; labels, the frame and the picture take no focus.
void setFocusOrder(const ClientArea &a)
{
    const QList<QWidget *> order{a.stageCountEdit, a.stageView, a.redrawButton, a.xSpacingEdit,
                                 a.ySpacingEdit, a.horizontalBar, a.verticalBar, a.penWidthEdit,
                                 a.circleSizeBox, a.colourLinesBox, a.stageTabs, a.edgeView,
                                 a.stageEdgeView, a.listPathsButton, a.resultView, a.shortestOption,
                                 a.longestOption, a.bestPathButton};
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    for (QWidget *w : std::initializer_list<QWidget *>{a.stageCountLabel, a.xSpacingLabel, a.ySpacingLabel,
                                                       a.penWidthLabel, a.circleSizeLabel, a.viewport,
                                                       a.picture})
        w->setFocusPolicy(Qt::NoFocus);
    a.horizontalBar->setFocusPolicy(Qt::StrongFocus);
    a.verticalBar->setFocusPolicy(Qt::StrongFocus);
    a.stageCountLabel->setBuddy(a.stageCountEdit);
    a.xSpacingLabel->setBuddy(a.xSpacingEdit);
    a.ySpacingLabel->setBuddy(a.ySpacingEdit);
    a.penWidthLabel->setBuddy(a.penWidthEdit);
    a.circleSizeLabel->setBuddy(a.circleSizeBox);
}

void createViewport(ClientArea &a)
{
    QWidget *w = a.widget;
    a.viewport = place<QFrame>(w, "Frame1", QRect(-120, 0, 9975, 6855));
    a.viewport->setFrameShape(QFrame::NoFrame);
    a.picture = place<PictureBox>(a.viewport, "Picture1", QRect(120, 0, 9855, 6855));
    a.horizontalBar = place<QScrollBar>(w, "HScroll1", QRect(0, 6720, 9135, 255));
    a.horizontalBar->setOrientation(Qt::Horizontal);
    a.verticalBar = place<QScrollBar>(w, "VScroll1", QRect(9600, 0, 255, 6735));
    a.verticalBar->setOrientation(Qt::Vertical);
    twips::setUpScrollBar(a.horizontalBar);
    twips::setUpScrollBar(a.verticalBar);
}

void createTables(ClientArea &a)
{
    QWidget *w = a.widget;
    a.stageTabs = place<TabStrip>(w, "TabStrip1", QRect(5640, 7080, 9495, 2295));
    a.stageTabs->setExpanding(false);
    a.stageTabs->setUsesScrollButtons(true);
    a.stageTabs->setDrawBase(true);
    a.edgeView = place<ReportView>(w, "ListView2", QRect(5760, 7440, 9255, 1815));
    a.stageEdgeView = place<ReportView>(w, "ListView3", QRect(5760, 7440, 9255, 1815));
    a.stageEdgeView->hide();
    a.pathTextList = place<QListView>(w, "List1", QRect(1440, 4200, 4335, 2220));
    a.pathTextList->setUniformItemSizes(true);
    a.pathTextList->hide();
    a.listPathsButton = place<QPushButton>(w, "Command4", QRect(4200, 10200, 1335, 375));
    a.resultView = place<ReportView>(w, "ListView5", QRect(5640, 9480, 9495, 1095));
}

} // namespace

void applyDesignColumnWidths(const ClientArea &a)
{
    setColumnWidthsTwips(a.stageView, {1440, 1440});
    setColumnWidthsTwips(a.edgeView, {2440, 2440, 2440, 4440});
    setColumnWidthsTwips(a.stageEdgeView, {2440, 2440, 2440, 4440});
}

void applyResultColumnWidths(const ClientArea &a, int pathColumn)
{
    const int columns = a.resultView->model() ? a.resultView->model()->columnCount() : 0;
    const int standard = a.resultView->header()->defaultSectionSize();
    for (int c = 0; c < columns; ++c)
        a.resultView->setColumnWidth(c, c == pathColumn ? twips::toPixels(pathColumnWidthTwips) : standard);
}

// The texts keep the window's translation context, where they were first set.
void retranslateClientArea(const ClientArea &c)
{
    c.stageCountLabel->setText(QCoreApplication::translate("stagepath::MainWindow", "Vorta Sayısı :"));
    c.redrawButton->setText(QCoreApplication::translate("stagepath::MainWindow", "Tekrar Çiz"));
    c.xSpacingLabel->setText(QCoreApplication::translate("stagepath::MainWindow", "X :"));
    c.ySpacingLabel->setText(QCoreApplication::translate("stagepath::MainWindow", "Y :"));
    c.penWidthLabel->setText(QCoreApplication::translate("stagepath::MainWindow", "Çizgi Kalınlığı :"));
    c.circleSizeLabel->setText(QCoreApplication::translate("stagepath::MainWindow", "Yuvarlak Boyutu :"));
    c.colourLinesBox->setText(QCoreApplication::translate("stagepath::MainWindow", "Çizgileri Renklendir"));
    c.listPathsButton->setText(QCoreApplication::translate("stagepath::MainWindow", "Hesaplama Yap"));
    c.shortestOption->setText(QCoreApplication::translate("stagepath::MainWindow", "En Kısa Yol"));
    c.longestOption->setText(QCoreApplication::translate("stagepath::MainWindow", "En Uzun Yol"));
    c.bestPathButton->setText(QCoreApplication::translate("stagepath::MainWindow", "Çiz"));

    // Names for assistive technology: a text box is named by its label.
    c.stageCountEdit->setAccessibleName(c.stageCountLabel->text());
    c.xSpacingEdit->setAccessibleName(c.xSpacingLabel->text());
    c.ySpacingEdit->setAccessibleName(c.ySpacingLabel->text());
    c.penWidthEdit->setAccessibleName(c.penWidthLabel->text());
    c.circleSizeBox->setAccessibleName(c.circleSizeLabel->text());
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             c.redrawButton, c.listPathsButton, c.bestPathButton, c.shortestOption, c.longestOption,
             c.colourLinesBox})
        b->setAccessibleName(b->text());
    c.stageView->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Vortalar"));
    c.viewport->setAccessibleName(QStringLiteral("Frame1"));
    c.picture->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Çizim"));
    c.horizontalBar->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Yatay kaydırma"));
    c.verticalBar->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Dikey kaydırma"));
    c.stageTabs->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Vorta sekmeleri"));
    c.edgeView->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Kenarlar"));
    c.stageEdgeView->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Vortanın kenarları"));
    c.pathTextList->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Yollar"));
    c.resultView->setAccessibleName(QCoreApplication::translate("stagepath::MainWindow", "Sonuçlar"));

}

QSize designClientSize()
{
    return QSize(twips::toPixels(designWidthTwips), twips::toPixels(designHeightTwips));
}

namespace {

QFont windowFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(6.75);
    return font;
}

} // namespace

ClientArea createMainClientArea(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("Form1"));
    window->setFont(windowFont());
    ClientArea area = createClientArea(window);
    window->setCentralWidget(area.widget);
    return area;
}

ClientArea createClientArea(QWidget *window)
{
    ClientArea a;
    a.widget = new QWidget(window);
    QWidget *w = a.widget;
    a.stageCountLabel = place<QLabel>(w, "Label1", QRect(240, 7080, 1035, 180));
    a.stageCountEdit = place<QLineEdit>(w, "Text1", QRect(1440, 7080, 1095, 270));
    a.stageCountEdit->setText(QStringLiteral("4"));
    a.stageView = place<ReportView>(w, "ListView1", QRect(240, 7440, 2295, 2055));
    a.redrawButton = place<QPushButton>(w, "Command1", QRect(2760, 9120, 1095, 375));
    a.xSpacingLabel = place<QLabel>(w, "Label2", QRect(2760, 7080, 210, 180));
    a.xSpacingEdit = place<QLineEdit>(w, "Text2", QRect(3000, 7080, 975, 270));
    a.ySpacingLabel = place<QLabel>(w, "Label3", QRect(2760, 7440, 210, 180));
    a.ySpacingEdit = place<QLineEdit>(w, "Text3", QRect(3000, 7440, 975, 270));
    createViewport(a);
    a.penWidthLabel = place<QLabel>(w, "Label4", QRect(2760, 7920, 1125, 180));
    a.circleSizeLabel = place<QLabel>(w, "Label5", QRect(2760, 8280, 1335, 180));
    a.penWidthEdit = place<QLineEdit>(w, "Text4", QRect(4200, 7920, 1215, 270));
    a.penWidthEdit->setText(QStringLiteral("1"));
    a.circleSizeBox = place<QComboBox>(w, "Combo1", QRect(4200, 8280, 1215, 300));
    for (int radius = 10; radius <= 20; ++radius)
        a.circleSizeBox->addItem(QString::number(radius), 0);
    a.circleSizeBox->setCurrentIndex(-1);
    a.colourLinesBox = place<QCheckBox>(w, "Check1", QRect(2880, 8760, 1935, 255));
    createTables(a);
    a.shortestOption = place<QRadioButton>(w, "Option1", QRect(240, 9600, 1335, 255));
    a.shortestOption->setChecked(true);
    a.longestOption = place<QRadioButton>(w, "Option2", QRect(240, 9960, 1335, 255));
    a.bestPathButton = place<QPushButton>(w, "Command5", QRect(1680, 9720, 855, 375));
    a.boxCountTimer = editTimer(w, "Timer1");
    a.edgeValueTimer = editTimer(w, "Timer2");

    // The edge tables lie in the body of the tab strip, over it; the scroll
    // bars over the edges of the viewport.
    a.edgeView->raise();
    a.stageEdgeView->raise();
    a.horizontalBar->raise();
    a.verticalBar->raise();
    setFocusOrder(a);
    applyKeyboardConventions(w);
    return a;
}

} // namespace stagepath
