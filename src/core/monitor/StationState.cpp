#include "monitor/StationState.h"

#include <QJsonValue>
#include <QLocale>
#include <QStringList>
#include <cstdlib>

const std::array<const char*, StateCells> StateHeaders = {
    QT_TRANSLATE_NOOP("stations", "Typ"),     QT_TRANSLATE_NOOP("stations", "Mod"),
    QT_TRANSLATE_NOOP("stations", "Stav"),    QT_TRANSLATE_NOOP("stations", "Výstupy"),
    QT_TRANSLATE_NOOP("stations", "Teploty"), QT_TRANSLATE_NOOP("stations", "Hodiny")};

std::array<StateCell, StateCells> stateCells(const StationState& state) {
    const DeviceStatus& s = state.status;
    std::array<StateCell, StateCells> cells;
    const char* numbers[] = {"Typ", "Mod", "Stav"};
    for (int i = 0; i < 3; ++i)
        cells[size_t(i)].text = QString::number(s.number(statusField(numbers[i])));
    for (const BitRow& row : bitRows(s))
        if (row.name == QLatin1String("Outputs"))
            cells[3].text = bitRowText(row);
    QStringList temperatures;
    bool flagged = false;
    for (const ValueRow& row : valueRows(s)) {
        if (row.row >= DeviceStatus::MaxTemperatures)
            continue;
        temperatures << QLocale().toString(row.value, 'f', 1) +
                            (row.flagged ? QStringLiteral("!") : QString());
        flagged = flagged || row.flagged;
    }
    cells[4] = {temperatures.join(QLatin1Char(' ')), flagged};
    if (state.clockOffsetS)
        cells[5] = {QString::number(*state.clockOffsetS),
                    std::llabs(*state.clockOffsetS) > ClockOffsetLimitS};
    else
        cells[5] = {QStringLiteral("—"), false};
    return cells;
}

QJsonObject stateJson(const StationState& state) {
    QJsonObject o = statusJson(state.status);
    o.insert(QStringLiteral("clock_offset_s"),
             state.clockOffsetS ? QJsonValue(double(*state.clockOffsetS)) : QJsonValue());
    return o;
}
