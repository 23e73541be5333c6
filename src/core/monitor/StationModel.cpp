#include "monitor/StationModel.h"

const QStringList StationTableModel::Headers = {QString(),
                                                QStringLiteral("Jméno"),
                                                QStringLiteral("Popis"),
                                                QStringLiteral("IP"),
                                                QStringLiteral("Port"),
                                                QStringLiteral("Typ"),
                                                QStringLiteral("Druh"),
                                                QStringLiteral("Pozn.")};

StationTableModel::StationTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void StationTableModel::setStations(std::vector<Station> stations) {
    beginResetModel();
    m_stations = std::move(stations);
    m_loaded = true;
    m_keys.assign(m_stations.size(), {});
    for (size_t row = 0; row < m_stations.size(); ++row) {
        for (int column = 1; column < Columns; ++column) {
            Key& key = m_keys[row][size_t(column)];
            const QString cell = text(int(row), column);
            key.empty = cell.isEmpty();
            bool ok = false;
            key.number = cell.toDouble(&ok);
            key.isNumber = ok;
        }
    }
    endResetModel();
}

int StationTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_loaded ? int(m_stations.size()) : EmptyRows;
}

int StationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QString StationTableModel::text(int row, int column) const {
    if (row < 0 || row >= int(m_stations.size()))
        return {};
    const Station& s = m_stations[size_t(row)];
    switch (column) {
    case 0:
        return QString::number(row + 1); // the running number of the load, moves with its row
    case 1:
        return s.name;
    case 2:
        return s.description;
    case 3:
        return s.ip;
    case 4:
        return QString::number(s.port);
    case 5:
        return QString::number(s.type);
    case 6:
        return QString::number(s.kind);
    case 7:
        return s.notes ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return {};
    }
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return text(index.row(), index.column());
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < Columns)
        return Headers.at(section);
    return {};
}

bool StationTableModel::lessThan(int leftRow, int rightRow, int column) const {
    const Key& a = m_keys[size_t(leftRow)][size_t(column)];
    const Key& b = m_keys[size_t(rightRow)][size_t(column)];
    if (a.empty || b.empty)
        return a.empty && !b.empty;
    if (a.isNumber && b.isNumber)
        return a.number < b.number;
    return QString::compare(text(leftRow, column), text(rightRow, column), Qt::CaseSensitive) < 0;
}

StationFilterModel::StationFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {}

void StationFilterModel::setStations(StationTableModel* stations) {
    m_stations = stations;
    setSourceModel(stations);
}

QString StationFilterModel::filterText(int column) const {
    return hasFilterSlot(column) ? m_texts[size_t(column)] : QString();
}

bool StationFilterModel::isFilterActive(int column) const {
    return hasFilterSlot(column) && m_active[size_t(column)];
}

void StationFilterModel::setFilter(int column, const QString& text) {
    if (!hasFilterSlot(column))
        return;
    m_texts[size_t(column)] = text;
    m_active[size_t(column)] = true;
    applyFilters();
}

void StationFilterModel::activateFilter(int column) {
    if (!hasFilterSlot(column))
        return;
    m_active[size_t(column)] = true;
    applyFilters();
}

void StationFilterModel::clearFilter(int column) {
    if (!hasFilterSlot(column))
        return;
    m_active[size_t(column)] = false;
    applyFilters();
}

void StationFilterModel::clearAllFilters() {
    m_active.fill(false);
    applyFilters();
}

void StationFilterModel::applyFilters() {
    m_conditions.clear();
    for (int column = FirstFilterColumn; column <= LastFilterColumn; ++column)
        if (m_active[size_t(column)])
            m_conditions.emplace_back(column,
                                      std::make_unique<FilterCondition>(m_texts[size_t(column)]));
    invalidateFilter();
    emit headerDataChanged(Qt::Horizontal, FirstFilterColumn, LastFilterColumn);
}

bool StationFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (!m_stations || !m_stations->isLoaded())
        return true;
    for (const auto& [column, condition] : m_conditions)
        if (!condition->matches(m_stations->text(sourceRow, column)))
            return false;
    return true;
}

bool StationFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    if (!m_stations || !m_stations->isLoaded())
        return false;
    return m_stations->lessThan(left.row(), right.row(), left.column());
}
