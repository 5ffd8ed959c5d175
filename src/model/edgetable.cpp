// SPDX-FileCopyrightText: 2026 The stagepath developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "edgetable.h"

#include "numbers.h"

#include <cmath>

namespace stagepath {

EdgeTable::EdgeTable(QObject *parent)
    : QAbstractTableModel(parent)
    , m_data(std::make_shared<EdgeData>())
{
}

EdgeDataPtr EdgeTable::generated(const std::vector<qint64> &boxCounts, RandomSource &random,
                                 const std::function<bool()> &stopped)
{
    constexpr qint64 rowsBetweenQuestions = 1 << 16;
    auto data = std::make_shared<EdgeData>();
    data->shape = GraphShape(boxCounts);
    const qint64 count = data->shape.edgeCount();
    data->values.resize(size_t(count));
    for (qint64 row = 0; row < count; ++row) {
        if (stopped && row % rowsBetweenQuestions == 0 && stopped())
            return {};
        data->values[size_t(row)] = edgeValueFrom(random.next());
    }
    return data;
}

void EdgeTable::regenerate(const std::vector<qint64> &boxCounts, RandomSource &random)
{
    setEdges(generated(boxCounts, random));
    m_shared = false; // made here, held by no one else
}

void EdgeTable::setEdges(EdgeDataPtr data)
{
    beginResetModel();
    // Never written through while shared: writable() copies first.
    m_data = std::const_pointer_cast<EdgeData>(std::move(data));
    m_shared = true;
    endResetModel();
}

EdgeData &EdgeTable::writable()
{
    // Snapshots handed out keep the old values: copy before the first write.
    if (m_shared) {
        m_data = std::make_shared<EdgeData>(*m_data);
        m_shared = false;
    }
    return *m_data;
}

int EdgeTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_data->shape.edgeCount());
}

int EdgeTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EdgeTable::cell(const EdgeData &edges, qint64 row, int column)
{
    if (column == ValueColumn)
        return edges.text(row);
    const GraphShape::Edge e = edges.shape.edgeAt(row);
    switch (column) {
    case FromColumn: return QString::number(edges.shape.globalBox(e.stage, e.from));
    case ToColumn: return QString::number(edges.shape.globalBox(e.stage + 1, e.to));
    case StageColumn: return QString::number(e.stage + 1);
    default: return {};
    }
}

QVariant EdgeTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return cell(*m_data, index.row(), index.column());
    if (role == Qt::ToolTipRole)
        return boxName(*m_data, index.row(), index.column());
    return {};
}

QVariant EdgeTable::boxName(const EdgeData &edges, qint64 row, int column)
{
    if (!edges.names || (column != FromColumn && column != ToColumn))
        return {};
    const GraphShape::Edge e = edges.shape.edgeAt(row);
    const qint64 box = column == FromColumn ? edges.shape.globalBox(e.stage, e.from)
                                            : edges.shape.globalBox(e.stage + 1, e.to);
    const QString label = edges.boxLabel(box);
    return label == QString::number(box) ? QVariant() : QVariant(label);
}

std::optional<qint64> EdgeTable::findValueStartingWith(const EdgeData &edges, QStringView prefix, qint64 begin,
                                                      qint64 end)
{
    const NumberPrefix number(prefix);
    const bool typed = !edges.texts.isEmpty();
    for (qint64 row = begin; row < end; ++row) {
        const auto text = typed ? edges.texts.constFind(row) : edges.texts.constEnd();
        if (text != edges.texts.constEnd() ? startsWithIgnoringCase(*text, prefix)
                                           : number.matches(edges.values[size_t(row)]))
            return row;
    }
    return std::nullopt;
}

std::optional<int> EdgeTable::findRowStartingWith(QStringView prefix, int from) const
{
    return searchWrapping(rowCount(), from, [&](int begin, int end) -> std::optional<int> {
        if (const auto row = findValueStartingWith(*m_data, prefix, begin, end))
            return int(*row);
        return std::nullopt;
    });
}

QString EdgeTable::headerText(int column)
{
    switch (column) {
    case ValueColumn: return tr("Değer");
    case FromColumn: return tr("Kutu No");
    case ToColumn: return tr("Diğer Kutu");
    case StageColumn: return tr("Vorta");
    default: return {};
    }
}

QVariant EdgeTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString text = headerText(section);
    return text.isEmpty() ? QVariant() : QVariant(text);
}

void EdgeTable::retranslate()
{
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

Qt::ItemFlags EdgeTable::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ValueColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool EdgeTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || index.column() != ValueColumn)
        return false;
    const qint64 row = index.row();
    const QString previous = m_data->text(row);
    if (value.toString() == previous)
        return true; // the text it has: no change
    setValueText(row, value.toString());
    Q_EMIT valueEdited(row, previous);
    return true;
}

void EdgeTable::setNames(BoxNamesPtr names)
{
    if (names == m_data->names)
        return;
    writable().names = std::move(names);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, FromColumn), index(rowCount() - 1, ToColumn), {Qt::ToolTipRole});
}

void EdgeTable::setValueText(qint64 row, const QString &text)
{
    EdgeData &data = writable();
    const double value = edgeValueOfText(text);
    data.values[size_t(row)] = value;
    const bool plain = value == kMissingRoad ? text == u"-" : !std::isnan(value) && formatNumber(value) == text;
    if (plain)
        data.texts.remove(row);
    else
        data.texts.insert(row, text);
    const QModelIndex cell = this->index(int(row), ValueColumn);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

} // namespace stagepath
