#pragma once
// Form1: the one window. It holds every control, the four form members and
// the wiring from the controls' events to the procedures; the work itself is
// done by the models, the solver and the drawing.

#include "drawing/picture.h"
#include "model/randomsource.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMessageBox;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabBar;
class QTimer;

namespace stagepath {

class EdgeTable;
class PathTextList;
class PictureBox;
class ReportView;
class ResultTable;
class StageFilter;
class StageTable;
class TabStrip;

class Form1 : public QWidget
{
    Q_OBJECT
public:
    // random: the source of edge values; by default the clock-stirred generator.
    explicit Form1(std::unique_ptr<RandomSource> random = {}, QWidget *parent = nullptr);
    ~Form1() override;

    // The form members.
    double xSpacing() const { return m_xSpacing; }
    double ySpacing() const { return m_ySpacing; }
    double circleSize() const { return m_circleSize; }
    double largestStageSize() const { return m_largest; }
    int penWidth() const { return m_penWidth; }

    // What the drawing surface shows.
    const GraphPicture &picture() const;
    StageTable *stageTable() const { return m_stages; }
    EdgeTable *edgeTable() const { return m_edges; }
    ResultTable *resultTable() const { return m_results; }

    // The procedures; each is also reached through its control.
    void Vorta_Ekle();
    void KutuEkle();
    void Ciz();
    void Command4_Click();
    void Command5_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Listing { Listed, TooMany, Failed };

    void createControls();
    void wireEvents();
    void load();
    void layoutControls();
    Listing listPaths();
    void showStageTab(int index);
    // Sizes the drawing surface to the picture at its zoom and sets the scroll ranges.
    void sizePicture();
    void showMessage(const QString &text, bool warning = true);
    // Marks a text box whose text is refused (problem non-empty) or clears the mark.
    void markInput(QLineEdit *box, const QString &problem);
    // Runs a handler so that no error ever leaves it: it is reported instead.
    template <typename F> void guarded(F &&handler);

    std::unique_ptr<RandomSource> m_random;

    double m_xSpacing = 0;
    double m_ySpacing = 0;
    double m_circleSize = 0;
    double m_largest = 0;
    int m_penWidth = 1;

    StageTable *m_stages = nullptr;
    EdgeTable *m_edges = nullptr;
    StageFilter *m_filter = nullptr;
    ResultTable *m_results = nullptr;
    PathTextList *m_pathTexts = nullptr;

    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    ReportView *ListView1 = nullptr, *ListView2 = nullptr, *ListView3 = nullptr, *ListView5 = nullptr;
    QPushButton *Command1 = nullptr, *Command4 = nullptr, *Command5 = nullptr;
    QFrame *Frame1 = nullptr;
    PictureBox *Picture1 = nullptr;
    QScrollBar *HScroll1 = nullptr, *VScroll1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QCheckBox *Check1 = nullptr;
    TabStrip *TabStrip1 = nullptr;
    QListView *List1 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr;
    QTimer *Timer1 = nullptr, *Timer2 = nullptr;
    QMessageBox *m_message = nullptr;
};

} // namespace stagepath
