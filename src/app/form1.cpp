#include "form1.h"

#include "controls.h"
#include "keyboard.h"
#include "picturebox.h"

#include "drawing/picture.h"
#include "drawing/surface.h"
#include "model/edgetable.h"
#include "model/limits.h"
#include "model/numbers.h"
#include "model/stagefilter.h"
#include "model/stagetable.h"
#include "solver/bestpath.h"
#include "solver/resulttable.h"
#include "solver/validation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>

namespace stagepath {

namespace {

constexpr int innerWidthTwips = 15240;
constexpr int innerHeightTwips = 11010;
constexpr int scrollArrowStep = 100;
constexpr int scrollPageStep = 500;
constexpr int timerInterval = 200;
constexpr int yolColumnWidthTwips = 3000;

const QString invalidStyle = QStringLiteral("QLineEdit { border: 2px solid #c00000; background: #fff0f0; }");

template <typename W>
W *place(QWidget *parent, const char *name, QRect twips, const QString &accessibleName = {})
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(twips);
    if (!accessibleName.isEmpty())
        w->setAccessibleName(accessibleName);
    return w;
}

QString noPathText(const GraphShape &shape)
{
    if (shape.stageCount() == 0)
        return QStringLiteral("Çizilecek yol yok: vorta sayısı 0, grafikte kenar yok.");
    return emptyColumnMessage(shape).value_or(QStringLiteral("Çizilecek yol yok."));
}

int clampToInt(qint64 v)
{
    return int(std::clamp<qint64>(v, 0, std::numeric_limits<int>::max()));
}

// A scroll range in twips: how far a side of the surface (widget pixels, a
// whole number of twips) exceeds the viewport's.
qint64 scrollMaxTwips(double surfacePixels, qint64 viewportTwips)
{
    return std::max<qint64>(0, std::llround(surfacePixels * twipsPerPixel) - viewportTwips);
}

} // namespace

Form1::Form1(std::unique_ptr<RandomSource> random, QWidget *parent)
    : QWidget(parent)
    , m_random(random ? std::move(random) : std::make_unique<ClockStirredRandom>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("En Kısa Yol :: stagepath ekibi"));
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(6.75);
    setFont(font);
    resize(twipsToPixels(innerWidthTwips), twipsToPixels(innerHeightTwips));

    m_stages = new StageTable(this);
    m_edges = new EdgeTable(this);
    m_filter = new StageFilter(m_edges, this);
    m_results = new ResultTable(this);
    m_pathTexts = new PathTextList(m_results, this);

    createControls();
    wireEvents();
    load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    QWidget *f = this;
    Label1 = place<QLabel>(f, "Label1", twipsRect(240, 7080, 1035, 180));
    Label1->setText(QStringLiteral("Vorta Sayısı :"));
    Text1 = place<QLineEdit>(f, "Text1", twipsRect(1440, 7080, 1095, 270), Label1->text());
    Text1->setText(QStringLiteral("4"));
    ListView1 = place<ReportView>(f, "ListView1", twipsRect(240, 7440, 2295, 2055), QStringLiteral("Vortalar"));
    Command1 = place<QPushButton>(f, "Command1", twipsRect(2760, 9120, 1095, 375));
    Command1->setText(QStringLiteral("Tekrar Çiz"));
    Label2 = place<QLabel>(f, "Label2", twipsRect(2760, 7080, 210, 180));
    Label2->setText(QStringLiteral("X :"));
    Text2 = place<QLineEdit>(f, "Text2", twipsRect(3000, 7080, 975, 270), Label2->text());
    Label3 = place<QLabel>(f, "Label3", twipsRect(2760, 7440, 210, 180));
    Label3->setText(QStringLiteral("Y :"));
    Text3 = place<QLineEdit>(f, "Text3", twipsRect(3000, 7440, 975, 270), Label3->text());
    Frame1 = place<QFrame>(f, "Frame1", twipsRect(-120, 0, 9975, 6855), QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::NoFrame);
    Picture1 = new PictureBox(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(120, 0, 9855, 6855));
    Picture1->setAccessibleName(QStringLiteral("Çizim"));
    HScroll1 = place<QScrollBar>(f, "HScroll1", twipsRect(0, 6720, 9135, 255), QStringLiteral("Yatay kaydırma"));
    HScroll1->setOrientation(Qt::Horizontal);
    VScroll1 = place<QScrollBar>(f, "VScroll1", twipsRect(9600, 0, 255, 6735), QStringLiteral("Dikey kaydırma"));
    VScroll1->setOrientation(Qt::Vertical);
    for (QScrollBar *bar : {HScroll1, VScroll1}) {
        bar->setRange(0, 0);
        bar->setSingleStep(scrollArrowStep);
        bar->setPageStep(scrollPageStep);
    }
    Label4 = place<QLabel>(f, "Label4", twipsRect(2760, 7920, 1125, 180));
    Label4->setText(QStringLiteral("Çizgi Kalınlığı :"));
    Label5 = place<QLabel>(f, "Label5", twipsRect(2760, 8280, 1335, 180));
    Label5->setText(QStringLiteral("Yuvarlak Boyutu :"));
    Text4 = place<QLineEdit>(f, "Text4", twipsRect(4200, 7920, 1215, 270), Label4->text());
    Text4->setText(QStringLiteral("1"));
    Combo1 = place<QComboBox>(f, "Combo1", twipsRect(4200, 8280, 1215, 300), Label5->text());
    for (int r = 10; r <= 20; ++r)
        Combo1->addItem(QString::number(r), 0);
    Combo1->setCurrentIndex(-1);
    Check1 = place<QCheckBox>(f, "Check1", twipsRect(2880, 8760, 1935, 255));
    Check1->setText(QStringLiteral("Çizgileri Renklendir"));
    Check1->setAccessibleName(Check1->text());
    TabStrip1 = place<TabStrip>(f, "TabStrip1", twipsRect(5640, 7080, 9495, 2295), QStringLiteral("Vorta sekmeleri"));
    TabStrip1->setExpanding(false);
    TabStrip1->setUsesScrollButtons(true);
    TabStrip1->setDrawBase(true);
    TabStrip1->addTab(QStringLiteral("Tümü"));
    ListView2 = place<ReportView>(f, "ListView2", twipsRect(5760, 7440, 9255, 1815), QStringLiteral("Kenarlar"));
    ListView3 = place<ReportView>(f, "ListView3", twipsRect(5760, 7440, 9255, 1815), QStringLiteral("Vortanın kenarları"));
    ListView3->hide();
    List1 = place<QListView>(f, "List1", twipsRect(1440, 4200, 4335, 2220), QStringLiteral("Yollar"));
    List1->setUniformItemSizes(true);
    List1->hide();
    Command4 = place<QPushButton>(f, "Command4", twipsRect(4200, 10200, 1335, 375));
    Command4->setText(QStringLiteral("Hesaplama Yap"));
    ListView5 = place<ReportView>(f, "ListView5", twipsRect(5640, 9480, 9495, 1095), QStringLiteral("Sonuçlar"));
    Option1 = place<QRadioButton>(f, "Option1", twipsRect(240, 9600, 1335, 255));
    Option1->setText(QStringLiteral("En Kısa Yol"));
    Option1->setChecked(true);
    Option2 = place<QRadioButton>(f, "Option2", twipsRect(240, 9960, 1335, 255));
    Option2->setText(QStringLiteral("En Uzun Yol"));
    Command5 = place<QPushButton>(f, "Command5", twipsRect(1680, 9720, 855, 375));
    Command5->setText(QStringLiteral("Çiz"));
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{Command1, Command4, Command5, Option1, Option2})
        b->setAccessibleName(b->text());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    for (QTimer *t : {Timer1, Timer2}) {
        t->setInterval(timerInterval);
        t->setSingleShot(true);
    }

    ListView1->setModel(m_stages);
    ListView2->setModel(m_edges);
    ListView3->setModel(m_filter);
    ListView5->setModel(m_results);
    List1->setModel(m_pathTexts);
    ListView1->setColumnWidthsTwips({1440, 1440});
    ListView2->setColumnWidthsTwips({2440, 2440, 2440, 4440});
    ListView3->setColumnWidthsTwips({2440, 2440, 2440, 4440});

    // The list views lie in the body of the tab strip, over it.
    ListView2->raise();
    ListView3->raise();
    // The scroll bars lie over the edges of the viewport.
    HScroll1->raise();
    VScroll1->raise();

    HScroll1->setFocusPolicy(Qt::StrongFocus);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    const QList<QWidget *> tabOrder{Text1, ListView1, Command1, Text2, Text3, HScroll1, VScroll1, Text4, Combo1, Check1,
                                    TabStrip1, ListView2, ListView3, Command4, ListView5, Option1,
                                    Option2, Command5};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2),
                       static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4),
                       static_cast<QWidget *>(Label5), static_cast<QWidget *>(Frame1),
                       static_cast<QWidget *>(Picture1)})
        w->setFocusPolicy(Qt::NoFocus);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Label4->setBuddy(Text4);
    Label5->setBuddy(Combo1);
    applyKeyboardConventions(this);
}

void Form1::wireEvents()
{
    connect(Text1, &QLineEdit::textChanged, this, [this] { guarded([this] { Vorta_Ekle(); }); });
    // X and Y spacing: a number within the limit, or the box is marked and the old value stays.
    const auto wireSpacing = [this](QLineEdit *box, double *member, const QString &name) {
        connect(box, &QLineEdit::textChanged, this, [this, box, member, name](const QString &text) {
            guarded([&] {
                const auto v = parseNumber(text);
                if (!v || qAbs(*v) > limits::maxSpacing) {
                    markInput(box, QStringLiteral("%1 aralığı -%2 ile %2 arasında bir sayı olmalı; önceki değer (%3) kullanılıyor.")
                                       .arg(name, formatNumber(limits::maxSpacing), formatNumber(*member)));
                    return;
                }
                markInput(box, {});
                *member = *v;
                Ciz();
            });
        });
    };
    wireSpacing(Text2, &m_xSpacing, QStringLiteral("X"));
    wireSpacing(Text3, &m_ySpacing, QStringLiteral("Y"));
    connect(Text4, &QLineEdit::textChanged, this, [this](const QString &text) {
        guarded([&] {
            const auto v = parseNumber(text);
            const auto width = v ? toInt16(*v) : std::nullopt;
            if (!width || *width < 1) {
                markInput(Text4, QStringLiteral("Çizgi kalınlığı 1 ile %1 arasında bir sayı olmalı; önceki değer (%2) kullanılıyor.")
                                     .arg(limits::maxPenWidth).arg(m_penWidth));
                return;
            }
            markInput(Text4, {});
            m_penWidth = *width;
            Ciz();
        });
    });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int index) {
        guarded([&] {
            if (index < 0)
                return;
            if (const auto v = parseNumber(Combo1->itemText(index)))
                m_circleSize = *v;
            Ciz();
        });
    });
    connect(Check1, &QCheckBox::toggled, this, [this] { guarded([this] { Ciz(); }); });
    connect(Command1, &QPushButton::clicked, this, [this] { guarded([this] { Ciz(); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { guarded([this] { Command4_Click(); }); });
    connect(Command5, &QPushButton::clicked, this, [this] { guarded([this] { Command5_Click(); }); });

    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int v) {
        Picture1->move(-(v / twipsPerPixel), Picture1->y());
    });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) {
        Picture1->move(Picture1->x(), -(v / twipsPerPixel));
    });

    connect(m_stages, &StageTable::countEdited, Timer1, qOverload<>(&QTimer::start));
    connect(m_stages, &StageTable::editRefused, this, [this](const QString &message) { showMessage(message); });
    connect(m_edges, &EdgeTable::valueEdited, Timer2, qOverload<>(&QTimer::start));
    connect(Timer1, &QTimer::timeout, this, [this] {
        guarded([this] {
            KutuEkle();
            Ciz();
        });
    });
    connect(Timer2, &QTimer::timeout, this, [this] { guarded([this] { Ciz(); }); });

    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int index) { guarded([&] { showStageTab(index); }); });
    connect(m_results, &QAbstractItemModel::modelReset, this, [this] {
        if (m_results->columnCount() > 0 && m_results->headerData(m_results->columnCount() - 1, Qt::Horizontal, Qt::DisplayRole).toString() == QStringLiteral("Yol"))
            ListView5->setColumnWidth(m_results->columnCount() - 1, twipsToPixels(yolColumnWidthTwips));
    });
}

void Form1::load()
{
    m_xSpacing = 220;
    m_ySpacing = 120;
    m_circleSize = 20;
    Text2->setText(formatNumber(m_xSpacing));
    Text3->setText(formatNumber(m_ySpacing));
    Text4->setText(QString::number(m_penWidth));
    Combo1->setCurrentIndex(Combo1->count() - 1);
    guarded([this] { Vorta_Ekle(); });
}

template <typename F>
void Form1::guarded(F &&handler)
{
    try {
        handler();
    } catch (const std::bad_alloc &) {
        showMessage(QStringLiteral("Bellek yetmedi; işlem yapılamadı. Pencere çalışmaya devam ediyor."));
    } catch (const std::exception &e) {
        showMessage(QStringLiteral("Beklenmeyen bir hata oluştu: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        showMessage(QStringLiteral("Beklenmeyen bir hata oluştu."));
    }
}

void Form1::showMessage(const QString &text, bool warning)
{
    if (!m_message) {
        m_message = new QMessageBox(this);
        m_message->setObjectName(QStringLiteral("Message"));
        m_message->setWindowTitle(QStringLiteral("En Kısa Yol"));
        m_message->setStandardButtons(QMessageBox::Ok);
    }
    m_message->setIcon(warning ? QMessageBox::Warning : QMessageBox::Information);
    m_message->setText(text);
    m_message->open();
}

void Form1::markInput(QLineEdit *box, const QString &problem)
{
    box->setProperty("invalid", !problem.isEmpty());
    box->setStyleSheet(problem.isEmpty() ? QString() : invalidStyle);
    box->setToolTip(problem);
    box->setAccessibleDescription(problem);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void Form1::layoutControls()
{
    // Only the viewport follows the window's width; everything below keeps its place.
    const int w = width();
    Picture1->resize(w, Picture1->height());
    Frame1->resize(w, Frame1->height());
    HScroll1->resize(qMax(0, w - VScroll1->width()), HScroll1->height());
    VScroll1->move(qMax(0, w - VScroll1->width()), VScroll1->y());
}

void Form1::Vorta_Ekle()
{
    QString problem;
    const auto n = readStageCount(Text1->text(), &problem);
    if (!n) {
        // Nothing is rebuilt: the tables stay as they are.
        markInput(Text1, problem + QStringLiteral(" Tablolar değiştirilmedi."));
        return;
    }
    markInput(Text1, {});

    {
        const QSignalBlocker block(TabStrip1);
        while (TabStrip1->count() > 0)
            TabStrip1->removeTab(TabStrip1->count() - 1);
        for (const QString &caption : stageTabCaptions(*n))
            TabStrip1->addTab(caption);
        TabStrip1->setCurrentIndex(0);
    }
    showStageTab(0);
    m_stages->rebuild(*n);
    m_results->setStageColumns(*n);
    KutuEkle();
    Ciz();
}

void Form1::KutuEkle()
{
    m_edges->regenerate(m_stages->boxCounts(), *m_random);
}

void Form1::showStageTab(int index)
{
    if (index <= 0) {
        ListView3->hide();
        return;
    }
    m_filter->setStage(index - 1);
    ListView3->show();
    ListView3->raise();
}

void Form1::Ciz()
{
    if (m_stages->rowCount() == 0)
        return;
    DrawSettings settings;
    settings.xSpacing = m_xSpacing;
    settings.ySpacing = m_ySpacing;
    settings.radius = m_circleSize;
    settings.penWidth = m_penWidth;
    settings.coloured = Check1->isChecked();
    const GraphPicture picture(m_edges->snapshot(), settings);
    if (picture.isEmpty())
        return; // no columns: nothing is drawn, not even cleared
    m_largest = picture.largest();
    Picture1->setPicture(picture);
    sizePicture();
}

const GraphPicture &Form1::picture() const
{
    return Picture1->picture();
}

void Form1::sizePicture()
{
    const QSizeF surface = surfaceSize(picture().extent(Picture1->zoom()), QSizeF(width(), kViewportHeight));
    Picture1->resize(int(std::ceil(surface.width())), int(std::ceil(surface.height())));
    VScroll1->setMaximum(clampToInt(scrollMaxTwips(surface.height(), qint64(kViewportHeight) * twipsPerPixel)));
    HScroll1->setMaximum(clampToInt(scrollMaxTwips(surface.width(), qint64(width()) * twipsPerPixel)));
}

Form1::Listing Form1::listPaths()
{
    const EdgeDataPtr snapshot = m_edges->snapshot();
    // A column without boxes is no error: there is simply no path to list.
    auto problem = nonNumberMessage(*snapshot);
    if (!problem)
        problem = overflowMessage(*snapshot);
    if (problem) {
        showMessage(*problem + QStringLiteral(" Sonuç tablosu değiştirilmedi."));
        return Listing::Failed;
    }
    if (snapshot->shape.pathCount(limits::maxListedPaths + 1) > limits::maxListedPaths)
        return Listing::TooMany;
    m_results->setPaths(snapshot);
    return Listing::Listed;
}

void Form1::Command4_Click()
{
    if (listPaths() == Listing::TooMany)
        showMessage(tooManyPathsMessage(m_edges->shape()).value_or(QString()));
}

void Form1::Command5_Click()
{
    const Listing listing = listPaths();
    if (listing == Listing::Failed)
        return;
    Ciz();
    const EdgeDataPtr snapshot = m_edges->snapshot();
    const PathMode mode = Option1->isChecked() ? PathMode::Shortest : PathMode::Longest;
    const auto best = findBestPath(*snapshot, mode);
    if (!best) {
        showMessage(noPathText(snapshot->shape));
        return;
    }
    PictureOverlays overlays = picture().overlays();
    overlays.bestPath = best->positions;
    Picture1->setPicture(picture().withOverlays(std::move(overlays)));

    const QString name = mode == PathMode::Shortest ? QStringLiteral("En kısa yol") : QStringLiteral("En uzun yol");
    if (listing == Listing::Listed && best->row >= 0 && best->row < m_results->rowCount()) {
        const QModelIndex index = m_results->index(int(best->row), 0);
        ListView5->setCurrentIndex(index);
        ListView5->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        ListView5->scrollTo(index, QAbstractItemView::PositionAtCenter);
        ListView5->setFocus(Qt::OtherFocusReason);
    } else {
        showMessage(tooManyPathsMessage(snapshot->shape).value_or(QString()) + QStringLiteral("\n%1: %2\nToplam: %3")
                        .arg(name, best->pathText, best->totalText),
                    false);
    }
}

} // namespace stagepath
