#include "operations/StationChecks.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "operations/AdminSession.h"
#include "unit/Clock.h"

#include <QCoreApplication>
#include <memory>

namespace stations {

namespace {

QString isoText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

} // namespace

StationResult readState(const Station& station, int readTimeoutMs) {
    StationResult result = stationWork(station, [&](const StationLines& lines) {
        StationLink unit(station, readTimeoutMs);
        DeviceLink& link = unit.link;
        prepareStatusRequest(link.packet());
        link.exchange(ExchangeMode::KeepOpen);
        if (link.linkFailed())
            return lines.failed(unit.why());
        if (const QString refusal = statusRefusal(link.packet()); !refusal.isEmpty())
            return lines.failed(refusal);
        auto state = std::make_shared<StationState>();
        state->status = decodeStatus(link.packet().payload(), link.packet().length());
        if (const QString tooShort = statusTooShort(state->status); !tooShort.isEmpty())
            return lines.failed(tooShort);
        const unitclock::Reading clock = unitclock::readRegisters(link);
        if (!clock.reached)
            return lines.failed(unit.why());
        state->takenAt = QDateTime::currentDateTime();
        if (clock.time)
            state->clockOffsetS = unitclock::offsetFrom(*clock.time, state->takenAt);
        QStringList cells;
        for (const StateCell& cell : stateCells(*state))
            cells << cell.text;
        StationResult ok = lines.ok(cells.join(QLatin1Char('\t')));
        ok.state = std::move(state);
        return ok;
    });
    // The name first: "name\tip:port\tOK\t…".
    const QStringList columns = result.line.split(QLatin1Char('\t'));
    if (columns.size() >= 3)
        result.line = QStringList{columns[1], columns[2], columns[0]}.join(QLatin1Char('\t')) +
                      QLatin1Char('\t') + columns.mid(3).join(QLatin1Char('\t'));
    return result;
}

ClockTime ClockTime::workstation() {
    ClockTime t;
    const QDateTime now = QDateTime::currentDateTime();
    t.m_start = QDateTime(now.date(), now.time(), Qt::UTC);
    t.m_running = true;
    t.m_since.start();
    return t;
}

ClockTime ClockTime::fixed(const QDateTime& time) {
    ClockTime t;
    t.m_start = time;
    return t;
}

QDateTime ClockTime::now() const {
    if (!m_running)
        return m_start;
    // The registers take whole seconds: the nearest one, not the one begun.
    const QDateTime now = m_start.addMSecs(m_since.elapsed() + 500);
    return QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()),
                     Qt::UTC);
}

StationResult setClock(const Station& station, const ClockTime& time, const QString& user,
                       const QString& password, int readTimeoutMs) {
    return stationWork(station, [&](const StationLines& lines) {
        StationLink unit(station, readTimeoutMs);
        StationResult result;
        const ops::SessionResult session =
            ops::withSession(unit.link, user, password, Rights::Admin, [&](UnitSession*) {
                const QDateTime sent = time.now();
                const auto difference = unitclock::writeChecked(unit.link, sent);
                if (!difference)
                    return false;
                result = lines.ok(
                    tx("operations", "%1, odchylka %2 s").arg(isoText(sent)).arg(*difference));
                return true;
            });
        return concluded(lines, unit, session, result);
    });
}

} // namespace stations
