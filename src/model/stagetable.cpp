// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stagetable.h"

#include "inputlimits.h"
#include "numbers.h"

#include <QCoreApplication>

#include <cmath>
#include <utility>

namespace stagepath {

namespace {

// Counts and limits in a message, grouped as the locale groups them ("100.000").
QString grouped(qint64 number)
{
    return QLocale().toString(number);
}

} // namespace

QString stageLabel(qint64 number)
{
    return StageTable::tr("%1.Vorta").arg(number);
}

QStringList stageTabCaptions(int stageCount)
{
    QStringList tabs{StageTable::tr("Tümü")};
    for (int i = 1; i <= stageCount; ++i)
        tabs << stageLabel(i);
    return tabs;
}

std::optional<int> readStageCount(const QString &text, QString *message)
{
    const auto n = parseWhole(text, 0, limits::maxStageCount);
    if (!n) {
        if (exceedsLimit(text, double(limits::maxStageCount)))
            *message = StageTable::tr("Vorta Sayısı en çok %1 olabilir.").arg(grouped(limits::maxStageCount));
        else
            *message = StageTable::tr("Vorta Sayısı 0 ya da daha büyük bir tam sayı olmalı.");
        return std::nullopt;
    }
    return int(*n);
}

QString graphSizeProblem(const std::vector<qint64> &counts)
{
    qint64 boxes = 0;
    qint64 edges = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        boxes += counts[i];
        if (i + 1 < counts.size())
            edges += counts[i] * counts[i + 1];
    }
    if (boxes > limits::maxBoxes)
        return StageTable::tr("Bütün sütunlardaki kutuların toplamı en çok %1 olabilir (istenen: %2).")
            .arg(grouped(limits::maxBoxes), grouped(boxes));
    if (edges > limits::maxEdges)
        return StageTable::tr("Çizgi sayısı (Değer / Kutu No / Diğer Kutu / Vorta tablosunun satırları) en çok %1 olabilir (istenen: %2).")
            .arg(grouped(limits::maxEdges), grouped(edges));
    return {};
}

StageTable::StageTable(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void StageTable::retranslate()
{
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!m_counts.isEmpty())
        Q_EMIT dataChanged(index(0, 1), index(rowCount() - 1, 1), {Qt::DisplayRole, Qt::EditRole});
}

void StageTable::rebuild(int stageCount)
{
    beginResetModel();
    m_counts = QStringList(qMax(0, stageCount + 1), QStringLiteral("3"));
    endResetModel();
}

void StageTable::setCountTexts(const QStringList &texts)
{
    if (texts.size() != m_counts.size()) {
        beginResetModel();
        m_counts = texts;
        endResetModel();
        return;
    }
    // Same rows: only the changed cells are announced, so that the view keeps
    // its current row and selection.
    for (int row = 0; row < texts.size(); ++row) {
        if (m_counts.at(row) == texts.at(row))
            continue;
        m_counts[row] = texts.at(row);
        Q_EMIT dataChanged(index(row, 0), index(row, 0), {Qt::DisplayRole, Qt::EditRole});
    }
}

std::vector<qint64> boxCountsOf(const QStringList &texts)
{
    std::vector<qint64> counts;
    counts.reserve(size_t(texts.size()));
    for (const QString &text : texts)
        counts.push_back(parseWhole(text, 0, limits::maxBoxesPerColumn).value_or(0));
    return counts;
}

std::vector<qint64> StageTable::boxCounts() const
{
    return boxCountsOf(m_counts);
}

int StageTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_counts.size());
}

int StageTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant StageTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return index.column() == 0 ? m_counts.at(index.row()) : stageLabel(index.row() + 1);
    return {};
}

QVariant StageTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    // "Vorta" heads the box counts and "Sayı" the column labels.
    case 0: return tr("Vorta");
    case 1: return tr("Sayı");
    default: return {};
    }
}

Qt::ItemFlags StageTable::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool StageTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != 0)
        return false;
    const QString text = value.toString();
    const auto count = parseWhole(text, 0, limits::maxBoxesPerColumn);
    if (!count) {
        Q_EMIT editRefused(exceedsLimit(text, double(limits::maxBoxesPerColumn))
                               ? tr("%1 için kutu sayısı en çok %2 olabilir: \"%3\" kabul edilmedi.")
                                     .arg(stageLabel(index.row() + 1), grouped(limits::maxBoxesPerColumn), text)
                               : tr("%1 için kutu sayısı 0 ya da daha büyük bir tam sayı olmalı: \"%2\" kabul edilmedi.")
                                     .arg(stageLabel(index.row() + 1), text));
        return false;
    }
    std::vector<qint64> counts = boxCounts();
    counts[size_t(index.row())] = *count;
    const QString problem = graphSizeProblem(counts);
    if (!problem.isEmpty()) {
        Q_EMIT editRefused(tr("%1 için kutu sayısı \"%2\" kabul edilmedi. %3")
                               .arg(stageLabel(index.row() + 1), text, problem));
        return false;
    }
    const QString previous = std::exchange(m_counts[index.row()], text);
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    Q_EMIT countEdited(index.row(), previous);
    return true;
}

std::optional<int> StageTable::findRowStartingWith(QStringView prefix, int from) const
{
    return searchWrapping(rowCount(), from, [&](int begin, int end) -> std::optional<int> {
        for (int row = begin; row < end; ++row)
            if (startsWithIgnoringCase(m_counts.at(row), prefix))
                return row;
        return std::nullopt;
    });
}

} // namespace stagepath
