// A station list file and filter conditions, both from the input: the first byte says how
// long the conditions are (one per line, for columns 1-6 in turn), the rest is the file.
// The list is decoded, loaded into the overview's models, filtered and sorted by every
// column.
#include "monitor/FilterCondition.h"
#include "monitor/StationList.h"
#include "monitor/StationModel.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t conditionBytes = std::min<std::size_t>(data[0], size - 1);
    const QString conditions =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(conditionBytes));
    const QByteArray file(reinterpret_cast<const char*>(data + 1 + conditionBytes),
                          qsizetype(size - 1 - conditionBytes));
    std::vector<Station> list = stations::decode(file);
    const QStringList lines = conditions.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const FilterCondition condition(line);
        for (const Station& s : list)
            (void)(condition.matches(s.name) || condition.matches(s.ip));
    }
    StationTableModel model;
    StationFilterModel view;
    view.setStations(&model);
    model.setStations(std::move(list));
    for (int column = 1; column <= 6 && column <= int(lines.size()); ++column)
        view.setFilter(column, lines[column - 1]);
    for (int column = 0; column < StationTableModel::Columns; ++column) {
        view.sort(column, column % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
        for (int row = 0; row < std::min(view.rowCount(), 4); ++row)
            (void)view.index(row, column).data();
    }
    return 0;
}
