#include "monitor/StationModel.h"
#include "base/Language.h"

#include "base/Text.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

const QStringList StationTableModel::Headers = {
    QString(),
    QString::fromUtf8(QT_TRANSLATE_NOOP("stations", "Jméno")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("stations", "Popis")),
    QStringLiteral("IP"),
    QString::fromUtf8(QT_TRANSLATE_NOOP("stations", "Port")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("stations", "Typ")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("stations", "Druh")),
    QString::fromUtf8(QT_TRANSLATE_NOOP("stations", "Pozn."))};

StationTableModel::StationTableModel(QObject* parent) : QAbstractTableModel(parent) {}

namespace {
// Cheaper than a failed conversion: only digits, a sign and one point can be a number.
bool looksLikeNumber(const QString& text) {
    bool point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit())
            continue;
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        if (i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')))
            continue;
        return false;
    }
    return !text.isEmpty();
}
} // namespace

void StationTableModel::setStations(std::vector<Station> stations) {
    beginResetModel();
    m_stations = std::move(stations);
    m_results.assign(m_stations.size(), QString());
    m_states.assign(m_stations.size(), {});
    m_loaded = true;
    m_keys.assign(m_stations.size(), {});
    for (auto& ranks : m_textRanks)
        ranks.clear();
    for (size_t row = 0; row < m_stations.size(); ++row) {
        const Station& s = m_stations[row];
        auto& keys = m_keys[row];
        const QString* texts[] = {&s.name, &s.description, &s.ip};
        for (int column = 1; column <= 3; ++column) {
            Key& key = keys[size_t(column)];
            const QString& cell = *texts[column - 1];
            key.empty = cell.isEmpty();
            key.isNumber = looksLikeNumber(cell);
            if (key.isNumber)
                key.number = cell.toDouble(&key.isNumber);
        }
        const double numbers[] = {double(s.port), double(s.type), double(s.kind),
                                  s.notes ? 1.0 : 0.0};
        for (int column = 4; column < Columns; ++column)
            keys[size_t(column)] = {false, true, numbers[column - 4]};
    }
    endResetModel();
}

const QString* StationTableModel::textOf(int row, int column) const {
    const Station& s = m_stations[size_t(row)];
    return column == 1 ? &s.name : column == 2 ? &s.description : column == 3 ? &s.ip : nullptr;
}

int StationTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_loaded ? int(m_stations.size()) : EmptyRows;
}

int StationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : AllColumns;
}

void StationTableModel::setState(int row, const std::array<StateCell, StateCells>& cells,
                                 const QDateTime& taken) {
    if (row < 0 || row >= int(m_states.size()))
        return;
    RowState& state = m_states[size_t(row)];
    state.cells = cells;
    state.taken = taken;
    state.known = true;
    state.stale = false;
    emit dataChanged(index(row, StateColumn), index(row, ChangesColumn - 1));
}

void StationTableModel::markStale(int row) {
    if (row < 0 || row >= int(m_states.size()) || !m_states[size_t(row)].known)
        return;
    m_states[size_t(row)].stale = true;
    emit dataChanged(index(row, StateColumn), index(row, ChangesColumn - 1));
}

QDateTime StationTableModel::stateTaken(int row) const {
    if (row < 0 || row >= int(m_states.size()) || !m_states[size_t(row)].known)
        return {};
    return m_states[size_t(row)].taken;
}

void StationTableModel::setChange(int row, const QString& date, const QString& fields) {
    if (row < 0 || row >= int(m_states.size()))
        return;
    m_states[size_t(row)].changed = date;
    m_states[size_t(row)].changedFields = fields;
    emit dataChanged(index(row, ChangesColumn), index(row, ChangesColumn));
}

void StationTableModel::setResult(int row, const QString& text) {
    if (row < 0 || row >= int(m_results.size()))
        return;
    m_results[size_t(row)] = text;
    emit dataChanged(index(row, ResultColumn), index(row, ResultColumn));
}

void StationTableModel::clearResults() {
    if (m_results.empty())
        return;
    std::fill(m_results.begin(), m_results.end(), QString());
    emit dataChanged(index(0, ResultColumn), index(int(m_results.size()) - 1, ResultColumn));
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
    case ResultColumn:
        return m_results[size_t(row)];
    case ChangesColumn:
        return m_states[size_t(row)].changed;
    default:
        if (column >= StateColumn && column < ChangesColumn && m_states[size_t(row)].known)
            return m_states[size_t(row)].cells[size_t(column - StateColumn)].text;
        return {};
    }
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    // A failure is longer than the column: its whole text on hovering too.
    if (role == Qt::ToolTipRole && index.column() == ResultColumn &&
        !text(index.row(), index.column()).isEmpty())
        return visibleText(text(index.row(), index.column()));
    const int row = index.row();
    const int column = index.column();
    if (row >= 0 && row < int(m_states.size()) && role != Qt::DisplayRole) {
        const RowState& state = m_states[size_t(row)];
        const bool stateCell = column >= StateColumn && column < ChangesColumn && state.known;
        // What is out of the ordinary is marked as the status window marks it; values a
        // failed run could not renew are grey, with the time they are from.
        if (role == MarkedRole &&
            ((column == ResultColumn &&
              m_results[size_t(row)].startsWith(QLatin1String("CHYBA"))) ||
             (stateCell && !state.stale && state.cells[size_t(column - StateColumn)].marked)))
            return true;
        if (role == StaleRole && stateCell && state.stale)
            return true;
        if (role == Qt::ToolTipRole && stateCell)
            return tx("monitor", "Hodnoty z %1")
                .arg(state.taken.toString(tx("formats", "d. M. yyyy HH:mm:ss")));
        if (role == Qt::ToolTipRole && column == ChangesColumn && !state.changed.isEmpty())
            return visibleText(state.changedFields);
    }
    if (role != Qt::DisplayRole)
        return {};
    // A name from a list may hold any byte: shown whole, one line per cell.
    return visibleText(text(index.row(), index.column()));
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < Columns)
        return tx("stations", Headers.at(section));
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == ResultColumn)
        return tx("monitor", "Výsledek");
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= StateColumn &&
        section < ChangesColumn)
        return tx("stations", StateHeaders[size_t(section - StateColumn)]);
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == ChangesColumn)
        return tx("monitor", "Změny");
    return {};
}

void StationTableModel::prepareSort(int column) const {
    if (column < 1 || column > 3)
        return;
    auto& ranks = m_textRanks[size_t(column)];
    if (ranks.size() == m_stations.size())
        return;
    // The tool speaks Czech: a workstation without a language of its own ("C") sorts as
    // Czech, where the collator would otherwise compare bare character codes.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Czech, QLocale::CzechRepublic);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    const int count = int(m_stations.size());
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(count));
    for (int row = 0; row < count; ++row)
        keys.push_back(collator.sortKey(*textOf(row, column)));
    std::vector<int> order(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        order[size_t(row)] = row;
    // Two numbers compare by value, anything else by its collation key.
    const auto& cells = m_keys;
    const auto less = [&](int a, int b) {
        const Key& x = cells[size_t(a)][size_t(column)];
        const Key& y = cells[size_t(b)][size_t(column)];
        if (x.isNumber && y.isNumber)
            return x.number < y.number;
        return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
    };
    std::sort(order.begin(), order.end(), less);
    ranks.assign(size_t(count), 0);
    for (int i = 1; i < count; ++i) {
        const int row = order[size_t(i)];
        const int before = order[size_t(i - 1)];
        ranks[size_t(row)] = less(before, row) ? i : ranks[size_t(before)];
    }
}

double StationTableModel::sortKey(int row, int column) const {
    const Key& key = m_keys[size_t(row)][size_t(column)];
    if (column == 0)
        return row;
    if (key.empty)
        return -1;
    if (column >= 1 && column <= 3) {
        prepareSort(column);
        return m_textRanks[size_t(column)][size_t(row)];
    }
    return key.number;
}

bool StationTableModel::lessThan(int leftRow, int rightRow, int column) const {
    const Key& a = m_keys[size_t(leftRow)][size_t(column)];
    const Key& b = m_keys[size_t(rightRow)][size_t(column)];
    if (a.empty || b.empty)
        return a.empty && !b.empty;
    if (a.isNumber && b.isNumber)
        return a.number < b.number;
    if (column >= 1 && column <= 3) {
        const auto& ranks = m_textRanks[size_t(column)];
        if (ranks.size() != m_stations.size())
            prepareSort(column);
        return ranks[size_t(leftRow)] < ranks[size_t(rightRow)];
    }
    return QString::compare(text(leftRow, column), text(rightRow, column), Qt::CaseSensitive) < 0;
}

StationFilterModel::StationFilterModel(QObject* parent) : QAbstractProxyModel(parent) {}

void StationFilterModel::setStations(StationTableModel* stations) {
    beginResetModel();
    if (m_stations)
        disconnect(m_stations, nullptr, this, nullptr);
    m_stations = stations;
    QAbstractProxyModel::setSourceModel(stations);
    // A new list: the same filters and sort apply to it.
    connect(stations, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { beginResetModel(); });
    connect(stations, &QAbstractItemModel::modelReset, this, [this] {
        rebuild();
        endResetModel();
    });
    // Results change cell by cell (or all at once), rows stay where they are.
    connect(stations, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last) {
                if (first.row() == last.row()) {
                    const QModelIndex at = mapFromSource(first);
                    if (at.isValid())
                        emit dataChanged(at, index(at.row(), last.column()));
                } else if (rowCount() > 0) {
                    emit dataChanged(index(0, first.column()),
                                     index(rowCount() - 1, last.column()));
                }
            });
    rebuild();
    endResetModel();
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
    beginResetModel();
    rebuild();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, FirstFilterColumn, LastFilterColumn);
}

void StationFilterModel::sort(int column, Qt::SortOrder order) {
    if (!hasFilterSlot(column) && column != 0 && column != StationTableModel::Columns - 1)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    beginResetModel();
    rebuild();
    endResetModel();
}

bool StationFilterModel::accepted(int sourceRow) const {
    for (const auto& [column, condition] : m_conditions) {
        const QString* cell = m_stations->textOf(sourceRow, column);
        if (!(cell ? condition->matches(*cell)
                   : condition->matches(m_stations->text(sourceRow, column))))
            return false;
    }
    return true;
}

void StationFilterModel::rebuild() {
    m_rows.clear();
    m_visible.clear();
    if (!m_stations)
        return;
    const int total = m_stations->isLoaded() ? int(m_stations->stations().size()) : 0;
    m_rows.reserve(size_t(total));
    for (int row = 0; row < total; ++row)
        if (accepted(row))
            m_rows.push_back(row);
    if (m_sortColumn >= 0 && total > 0) {
        const int column = m_sortColumn;
        const StationTableModel& model = *m_stations;
        model.prepareSort(column);
        // Each row's key once, then a sort of plain numbers; stable, so rows that compare
        // equal keep the order they had in the file.
        std::vector<std::pair<double, int>> keyed;
        keyed.reserve(m_rows.size());
        for (int row : m_rows)
            keyed.emplace_back(model.sortKey(row, column), row);
        if (m_sortOrder == Qt::AscendingOrder)
            std::stable_sort(keyed.begin(), keyed.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
        else
            std::stable_sort(keyed.begin(), keyed.end(),
                             [](const auto& a, const auto& b) { return b.first < a.first; });
        for (size_t i = 0; i < keyed.size(); ++i)
            m_rows[i] = keyed[i].second;
    }
    m_visible.assign(size_t(total), -1);
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_visible[size_t(m_rows[i])] = int(i);
}

QModelIndex StationFilterModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 ||
        column >= StationTableModel::AllColumns)
        return {};
    return createIndex(row, column);
}

QModelIndex StationFilterModel::parent(const QModelIndex&) const {
    return {};
}

int StationFilterModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_stations)
        return 0;
    // Before any list the grid shows the table model's empty rows.
    return m_stations->isLoaded() ? int(m_rows.size()) : m_stations->rowCount();
}

int StationFilterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StationTableModel::AllColumns;
}

QModelIndex StationFilterModel::mapToSource(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid() || !m_stations)
        return {};
    if (!m_stations->isLoaded())
        return m_stations->index(proxyIndex.row(), proxyIndex.column());
    return m_stations->index(m_rows[size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex StationFilterModel::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid() || !m_stations)
        return {};
    if (!m_stations->isLoaded())
        return index(sourceIndex.row(), sourceIndex.column());
    const size_t row = size_t(sourceIndex.row());
    if (row >= m_visible.size() || m_visible[row] < 0)
        return {};
    return index(m_visible[row], sourceIndex.column());
}

QVariant StationFilterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!m_stations)
        return {};
    return m_stations->headerData(section, orientation, role);
}
