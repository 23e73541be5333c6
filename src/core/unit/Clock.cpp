#include "unit/Clock.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "unit/I2c.h"

#include <QElapsedTimer>
#include <cstdlib>

namespace unitclock {

const char* const NotADate =
    QT_TRANSLATE_NOOP("unit", "Hodiny jednotky neobsahují platné datum a čas");

namespace {

std::uint8_t bcd(int v) {
    return std::uint8_t((v / 10) * 16 + v % 10);
}

// The value of a BCD register with its tens in the bits of tensMask; -1 when a digit is
// above 9.
int fromBcd(std::uint8_t r, int tensMask) {
    const int tens = (r >> 4) & tensMask;
    const int units = r & 15;
    return tens > 9 || units > 9 ? -1 : 10 * tens + units;
}

QString registersText(const RegisterBlock& r) {
    QStringList bytes;
    for (std::uint8_t b : r)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return bytes.join(QLatin1Char(' '));
}

} // namespace

QString yearRefused(int year) {
    return tx("unit", "Rok %1 nelze do hodin jednotky zapsat: hodiny drží jen roky 2000 až "
                      "2099. Nic nebylo odesláno.")
        .arg(year);
}

std::optional<RegisterBlock> encode(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    if (!d.isValid() || !t.isValid() || d.year() < 2000 || d.year() > 2099)
        return std::nullopt;
    return RegisterBlock{std::uint8_t(bcd(t.second()) + 0x80),
                         bcd(t.minute()),
                         bcd(t.hour()),
                         std::uint8_t(d.dayOfWeek() % 7 + 1 + 8), // 1 = Sunday
                         bcd(d.day()),
                         bcd(d.month()),
                         bcd(d.year() - 2000)};
}

std::optional<QDateTime> decode(const RegisterBlock& r) {
    const int second = fromBcd(r[0], 7);
    const int minute = fromBcd(r[1], 7);
    const int hour = fromBcd(r[2], 3);
    const int day = fromBcd(r[4], 3);
    const int month = fromBcd(r[5], 1);
    const int year = fromBcd(r[6], 15);
    if (second < 0 || minute < 0 || hour < 0 || day < 0 || month < 0 || year < 0)
        return std::nullopt;
    const QDate date(2000 + year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    // The unit's clock knows no time zone: its registers' time as it stands, also one
    // that falls into an hour a change to summer time skips here.
    return QDateTime(date, time, Qt::UTC);
}

Reading readRegisters(DeviceLink& link) {
    prepareI2cRead(link.packet(), Device, 0, Registers);
    link.exchange(ExchangeMode::CloseAfterReply);
    Reading reading;
    if (link.linkFailed())
        return reading;
    reading.reached = true;
    const LinkPacket& reply = link.packet();
    if (reply.status() != 0)
        throw OperationError(tx("unit", "Hodiny jednotky se nepodařilo přečíst: jednotka "
                                        "odpověděla stavem %1.")
                                 .arg(reply.status()));
    if (reply.length() < Registers)
        throw OperationError(tx("unit", "Hodiny jednotky se nepodařilo přečíst: jednotka "
                                        "poslala %1 bajtů ze 7.")
                                 .arg(reply.length()));
    std::copy_n(reply.payload(), Registers, reading.registers.begin());
    reading.time = decode(reading.registers);
    return reading;
}

QDateTime read(DeviceLink& link) {
    const Reading reading = readRegisters(link);
    if (!reading.reached)
        return {};
    if (!reading.time)
        throw OperationError(tx("unit", "%1 (registry %2).")
                                 .arg(tx("unit", NotADate), registersText(reading.registers)));
    return *reading.time;
}

bool write(DeviceLink& link, const QDateTime& time) {
    const auto r = encode(time);
    if (!r)
        throw OperationError(yearRefused(time.date().year()));
    prepareI2cWrite(link.packet(), Device, 0, r->data(), Registers);
    link.exchange(ExchangeMode::CloseAfterReply);
    if (link.linkFailed())
        return false;
    // A refusal is not a success.
    if (link.packet().status() != 0)
        throw OperationError(
            tx("unit", "Jednotka nastavení hodin odmítla (stav %1).").arg(link.packet().status()));
    return true;
}

qint64 offsetFrom(const QDateTime& unitTime, const QDateTime& now) {
    // The registers hold whole seconds: the workstation's time is cut to them as well.
    const QTime t = now.time();
    const QDateTime wall(now.date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC);
    return wall.secsTo(unitTime);
}

std::optional<qint64> writeChecked(DeviceLink& link, const QDateTime& time) {
    if (!write(link, time))
        return std::nullopt;
    QElapsedTimer since;
    since.start();
    const QDateTime back = read(link);
    if (!back.isValid())
        return std::nullopt;
    // The registers hold whole seconds: the time sent as the unit took it.
    const QDateTime sent(time.date(),
                         QTime(time.time().hour(), time.time().minute(), time.time().second()),
                         Qt::UTC);
    const qint64 difference =
        qRound64(double(sent.addMSecs(since.elapsed()).msecsTo(back)) / 1000.0);
    if (std::llabs(difference) > ReadBackLimitS)
        throw OperationError(tx("unit", "Hodiny jednotky po nastavení ukazují %1, o %2 s jinak, "
                                        "než byly nastaveny: nastavení se neprojevilo.")
                                 .arg(back.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")))
                                 .arg(difference));
    return difference;
}

} // namespace unitclock
