#pragma once
// Building blocks of the window: twips, the report-style list views, and the
// control table that places every control.

#include <QRect>
#include <QTableView>

class QWidget;

namespace stagepath {

inline constexpr int twipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel.
int twipsToPixels(double twips);
QRect twipsRect(int left, int top, int width, int height);

// A report: one line per row, whole-row selection, no grid, no row numbers,
// the first cell edited in place (double click, F2 or typing).
class ReportView : public QTableView
{
    Q_OBJECT
public:
    explicit ReportView(QWidget *parent = nullptr);
    // Sets column widths given in twips.
    void setColumnWidthsTwips(const QList<int> &widths);
    // Rows in a report have one height, which keeps tens of millions of rows cheap.
    int rowHeight() const;
};

} // namespace stagepath
