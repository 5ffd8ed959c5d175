// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/shareui/clipboardcopier.h"

#include "app/tasks/backgroundtask.h"

#include "drawing/export.h"
#include "model/edgetable.h"
#include "model/stagefilter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <memory>

namespace stagepath {

namespace {

// A cell as one field of a tab-separated line.
QString field(QString text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    }
    return text;
}

// The view (or the text box) that has the focus inside window, if any.
template <typename T> T *focused(QWidget *window)
{
    for (QWidget *w = QApplication::focusWidget(); w && w != window; w = w->parentWidget()) {
        if (auto *found = qobject_cast<T *>(w))
            return found;
    }
    return nullptr;
}

} // namespace

ClipboardCopier::ClipboardCopier(QWidget *window, const EdgeTable *edges, std::function<GraphPicture()> picture,
                         std::function<void(const QString &)> report)
    : QObject(window)
    , m_window(window)
    , m_edges(edges)
    , m_picture(std::move(picture))
    , m_report(std::move(report))
{
}

void ClipboardCopier::copy()
{
    if (auto *edit = focused<QLineEdit>(m_window)) {
        edit->copy();
        return;
    }
    if (const auto *view = focused<QAbstractItemView>(m_window); view && view->model())
        copyRows(*view);
    else
        copyPicture();
}

QList<int> ClipboardCopier::rowsToCopy(const QAbstractItemView &view, qint64 *total)
{
    QList<int> rows;
    qint64 selected = 0;
    const QItemSelectionModel *selection = view.selectionModel();
    if (selection) {
        std::vector<std::pair<int, int>> ranges; // top, bottom
        for (const QItemSelectionRange &range : selection->selection())
            ranges.emplace_back(range.top(), range.bottom());
        std::sort(ranges.begin(), ranges.end());
        int next = 0; // rows before it are taken already (ranges of cells may overlap in rows)
        for (const auto &[top, bottom] : ranges) {
            const int first = std::max(top, next);
            if (first > bottom)
                continue;
            const qint64 count = qint64(bottom) - first + 1;
            const qint64 taken = std::clamp<qint64>(maxRows - selected, 0, count);
            for (int row = first; row < first + taken; ++row)
                rows << row;
            selected += count;
            next = bottom + 1;
        }
    }
    if (rows.isEmpty() && view.currentIndex().isValid()) {
        rows << view.currentIndex().row();
        selected = 1;
    }
    if (total)
        *total = selected;
    return rows;
}

QString ClipboardCopier::rowsText(const QAbstractItemView &view, const QList<int> &rows)
{
    const QAbstractItemModel *model = view.model();
    const QModelIndex root = view.rootIndex();
    const int columns = model->columnCount(root);
    QStringList line;
    for (int c = 0; c < columns; ++c)
        line << field(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    QString text = line.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const int row : rows) {
        line.clear();
        for (int c = 0; c < columns; ++c)
            line << field(model->index(row, c, root).data(Qt::DisplayRole).toString());
        text += line.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

void ClipboardCopier::copyRows(const QAbstractItemView &view)
{
    qint64 selected = 0;
    const QList<int> rows = rowsToCopy(view, &selected);
    if (rows.isEmpty())
        return;
    if (rows.size() > maxRowsAtOnce) {
        std::vector<qint64> edges = edgeRows(view, rows);
        if (!edges.empty()) {
            copyEdgesInBackground(std::move(edges), selected);
            return;
        }
    }
    putRows(rowsText(view, rows), rows.size(), selected);
}

std::vector<qint64> ClipboardCopier::edgeRows(const QAbstractItemView &view, const QList<int> &rows) const
{
    std::vector<qint64> edges;
    const auto *filter = qobject_cast<const StageFilter *>(view.model());
    if (view.model() != m_edges && !filter)
        return edges;
    edges.reserve(size_t(rows.size()));
    for (const int row : rows)
        edges.push_back(filter ? filter->sourceRow(row) : row);
    return edges;
}

void ClipboardCopier::copyEdgesInBackground(std::vector<qint64> rows, qint64 selected)
{
    const EdgeDataPtr edges = m_edges->snapshot();
    QStringList headers;
    for (int c = 0; c < EdgeTable::ColumnCount; ++c)
        headers << field(EdgeTable::headerText(c));
    auto text = std::make_shared<QString>();
    const qint64 copied = qint64(rows.size());
    QApplication::setOverrideCursor(Qt::BusyCursor);
    BackgroundTask::start(
        m_window, tr("Satırlar kopyalanıyor…"),
        [edges, headers, text, rows = std::move(rows)](TaskProgress &) {
            *text = headers.join(QLatin1Char('\t')) + QLatin1Char('\n');
            QStringList line;
            for (const qint64 row : rows) {
                line.clear();
                for (int c = 0; c < EdgeTable::ColumnCount; ++c)
                    line << field(EdgeTable::cell(*edges, row, c).toString());
                *text += line.join(QLatin1Char('\t'));
                *text += QLatin1Char('\n');
            }
        },
        [this, text, copied, selected](const BackgroundTask::Outcome &outcome) {
            QApplication::restoreOverrideCursor();
            if (outcome.status == BackgroundTask::Outcome::Completed)
                putRows(*text, copied, selected);
            else if (outcome.status == BackgroundTask::Outcome::Failed)
                m_report(outcome.problem);
        });
}

void ClipboardCopier::putRows(const QString &text, qint64 copied, qint64 selected)
{
    QApplication::clipboard()->setText(text);
    if (selected > copied) {
        const QLocale locale;
        m_report(tr("Seçili %1 satırdan yalnızca ilk %2 satır kopyalandı. Tablonun tamamı için "
                    "\"Tabloyu Dışa Aktar (CSV)…\" komutunu kullanın.")
                     .arg(locale.toString(selected), locale.toString(copied)));
    }
    Q_EMIT rowsCopied();
}

void ClipboardCopier::copyPicture()
{
    const GraphPicture picture = m_picture();
    const QSize size = wholeDrawingSize(picture);
    if (qint64(size.width()) * size.height() > maxImagePixels) {
        const QLocale locale;
        m_report(tr("Çizim panoya kopyalanamayacak kadar büyük (%1 × %2 piksel, en çok %3 piksel). "
                    "\"Çizimi Dışa Aktar…\" ile PNG, SVG ya da PDF olarak kaydedin.")
                     .arg(locale.toString(size.width()), locale.toString(size.height()),
                          locale.toString(maxImagePixels)));
        Q_EMIT pictureCopied();
        return;
    }
    auto image = std::make_shared<QImage>();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    BackgroundTask::start(
        m_window, tr("Çizim kopyalanıyor…"),
        [picture, size, image](TaskProgress &) { *image = picture.render(QRect(QPoint(), size)); },
        [this, image](const BackgroundTask::Outcome &outcome) {
            QApplication::restoreOverrideCursor();
            if (outcome.status == BackgroundTask::Outcome::Completed && !image->isNull())
                QApplication::clipboard()->setImage(*image);
            else if (outcome.status == BackgroundTask::Outcome::Failed)
                m_report(outcome.problem);
            Q_EMIT pictureCopied();
        });
}

} // namespace stagepath
