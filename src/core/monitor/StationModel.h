#pragma once

#include "monitor/FilterCondition.h"
#include "monitor/StationList.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <array>
#include <memory>
#include <optional>

// The station grid's rows: the running number, "Jméno", "Popis", "IP", "Port", "Typ",
// "Druh" and "Pozn." (1 when a notes file exists). Before any list is loaded it shows four
// empty rows.
class StationTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Columns = 8;
    static const QStringList Headers;
    static constexpr int EmptyRows = 4;

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
    // How a cell sorts: numbers as numbers, other values as text, empty cells first.
    bool lessThan(int leftRow, int rightRow, int column) const;

private:
    struct Key {
        bool empty = true;
        bool isNumber = false;
        double number = 0;
    };
    std::vector<Station> m_stations;
    std::vector<std::array<Key, Columns>> m_keys;
    bool m_loaded = false;
};

// Sorting and filtering of the grid. Each of the columns 1-6 has a filter slot: a text
// and an active flag; a row is shown when it satisfies the conditions of every active
// slot. The slots survive a new list, which is filtered by them.
class StationFilterModel : public QSortFilterProxyModel {
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

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    void applyFilters();

    StationTableModel* m_stations = nullptr;
    std::array<QString, 7> m_texts;
    std::array<bool, 7> m_active{};
    std::vector<std::pair<int, std::unique_ptr<FilterCondition>>> m_conditions;
};
