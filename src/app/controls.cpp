#include "controls.h"

#include <QHeaderView>
#include <cmath>

namespace stagepath {

int twipsToPixels(double twips)
{
    return int(std::lround(twips / twipsPerPixel));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

ReportView::ReportView(QWidget *parent)
    : QTableView(parent)
{
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(8);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);
}

void ReportView::setColumnWidthsTwips(const QList<int> &widths)
{
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, twipsToPixels(widths[c]));
}

int ReportView::rowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

} // namespace stagepath
