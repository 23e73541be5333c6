#pragma once

#include "monitor/FilterCondition.h"
#include "monitor/StationList.h"
#include "monitor/StationState.h"

#include <QAbstractProxyModel>
#include <QAbstractTableModel>
#include <array>
#include <memory>
#include <optional>

// The station grid's rows: the running number, "Jméno", "Popis", "IP", "Port", "Typ",
// "Druh" and "Pozn." (1 when a notes file exists); shown with control characters visible. Before
// any list is loaded it shows four empty rows.
class StationTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Columns = 8;
    static const QStringList Headers; // in Czech, as quel5ctl --sort and --filter name them
    // After the station columns, "Výsledek": what a run over selected stations did to
    // each ("čeká", "probíhá", "OK", "CHYBA: …"); empty until a run.
    static constexpr int ResultColumn = Columns;
    // After it, what a state run learned (the cells of stateCells), then "Změny": the date
    // of the station's last change in the history of its backups, its fields on hovering.
    static constexpr int StateColumn = ResultColumn + 1;
    static constexpr int ChangesColumn = StateColumn + StateCells;
    static constexpr int AllColumns = ChangesColumn + 1;
    static constexpr int EmptyRows = 4;
    // A cell out of the ordinary (a failed station, a flagged temperature, a clock far off),
    // and a state cell a failed run could not renew; the grid colours them.
    static constexpr int MarkedRole = Qt::UserRole + 1;
    static constexpr int StaleRole = Qt::UserRole + 2;

    explicit StationTableModel(QObject* parent = nullptr);

    void setStations(std::vector<Station> stations);
    const std::vector<Station>& stations() const { return m_stations; }
    bool isLoaded() const { return m_loaded; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString text(int row, int column) const;
    void setResult(int row, const QString& text);
    void clearResults();
    // A state run's cells for the station; a run that failed keeps the last ones, greyed
    // (stale), with the time they were taken.
    void setState(int row, const std::array<StateCell, StateCells>& cells, const QDateTime& taken);
    void markStale(int row);
    // When the cells shown were taken; invalid when none are.
    QDateTime stateTaken(int row) const;
    // The station's last change: its date and its fields; an empty date clears it.
    void setChange(int row, const QString& date, const QString& fields);
    // The texts of columns 1-3 without a copy; null for the others.
    const QString* textOf(int row, int column) const;
    // How a cell sorts: numbers as numbers, other values as text in the order of the
    // user's language (QLocale(), Czech where it is "C": letter case aside, numbers inside a
    // text by value), empty
    // cells first. prepareSort(column) builds the column's collation keys once, so that a
    // sort compares precomputed keys.
    void prepareSort(int column) const;
    bool lessThan(int leftRow, int rightRow, int column) const;
    // One number per cell that sorts as lessThan does (empty cells -1, texts by their
    // place in collation order, the running number by the file's order).
    double sortKey(int row, int column) const;

private:
    struct Key {
        bool empty = true;
        bool isNumber = false;
        double number = 0;
    };
    std::vector<Station> m_stations;
    std::vector<QString> m_results;
    struct RowState {
        std::array<StateCell, StateCells> cells;
        QDateTime taken;
        bool known = false;
        bool stale = false;
        QString changed;
        QString changedFields;
    };
    std::vector<RowState> m_states;
    std::vector<std::array<Key, Columns>> m_keys;
    // Of columns 1-3: each row's place among the column's texts in collation order (equal
    // texts share one), computed once for a list, so that a sort compares whole numbers.
    mutable std::array<std::vector<int>, 4> m_textRanks;
    bool m_loaded = false;
};

// Sorting and filtering of the grid, as a proxy over the table model that keeps the
// visible rows as one list of source rows: a sort or a filter over tens of thousands of
// stations is one pass over precomputed keys. Each of the columns 1-6 has a filter slot:
// a text and an active flag; a row is shown when it satisfies the conditions of every
// active slot. The slots survive a new list, which is filtered (and sorted) by them.
class StationFilterModel : public QAbstractProxyModel {
    Q_OBJECT
public:
    static constexpr int FirstFilterColumn = 1;
    static constexpr int LastFilterColumn = 6;

    explicit StationFilterModel(QObject* parent = nullptr);

    void setStations(StationTableModel* stations);
    static bool hasFilterSlot(int column) {
        return column >= FirstFilterColumn && column <= LastFilterColumn;
    }
    QString filterText(int column) const;
    bool isFilterActive(int column) const;
    // "Filtr" (a new text, active), "Filtruj" (active with the stored text), "Zruš filtr"
    // and "Zruš všechny filtry" (the texts stay).
    void setFilter(int column, const QString& text);
    void activateFilter(int column);
    void clearFilter(int column);
    void clearAllFilters();

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void applyFilters();
    // The visible rows anew: filtered, then sorted by the last sort.
    void rebuild();
    bool accepted(int sourceRow) const;

    StationTableModel* m_stations = nullptr;
    std::array<QString, 7> m_texts;
    std::array<bool, 7> m_active{};
    std::vector<std::pair<int, std::unique_ptr<FilterCondition>>> m_conditions;
    std::vector<int> m_rows;    // source row of each visible row
    std::vector<int> m_visible; // visible row of each source row, or -1
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
