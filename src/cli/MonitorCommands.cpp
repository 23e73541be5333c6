// quel5ctl status, action and service: the live state, the action commands and the
// service panel's requests.
#include "Cli.h"

#include "base/Errors.h"
#include "link/Login.h"
#include "monitor/DeviceStatus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace cli {

namespace {

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        std::printf("%s\n", qUtf8Printable(line));
}

// A number for a field of `max` at most, in decimal or as 0x hexadecimal (a leading zero
// is no octal): a value that does not fit is refused, not cut.
quint32 fieldValue(const QString& text, const char* what, quint32 max) {
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const QString digits = hex ? text.mid(2) : text;
    const QString allowed =
        hex ? QStringLiteral("0123456789abcdefABCDEF") : QStringLiteral("0123456789");
    bool ok =
        !digits.isEmpty() && digits.size() <= 16 &&
        std::all_of(digits.begin(), digits.end(), [&](QChar c) { return allowed.contains(c); });
    const qulonglong v = ok ? digits.toULongLong(&ok, hex ? 16 : 10) : 0;
    if (!ok || v > max)
        throw Usage(QStringLiteral("%1 takes 0..%2 (decimal or 0x hexadecimal), not %3")
                        .arg(QLatin1String(what))
                        .arg(max)
                        .arg(text));
    return quint32(v);
}

// Only the fields the reply carried: a field left out is no zero.
QJsonObject statusJson(const DeviceStatus& s) {
    QJsonObject o;
    auto put = [&](const char* key, int offset, int size, const QJsonValue& value) {
        if (s.has(offset, size))
            o[QLatin1String(key)] = value;
    };
    put("Typ", 0, 1, s.typ);
    put("Mod", 1, 1, s.mod);
    put("Stav", 2, 1, s.stav);
    put("Tlacitka", 5, 1, s.buttons);
    QJsonArray on, blink;
    for (int i = 0; i < 4; ++i)
        on << s.ledOn[size_t(i)], blink << s.ledBlink[size_t(i)];
    put("LED zobr", 18, 4, on);
    put("LED blik", 22, 4, blink);
    put("Opt", 26, 1, s.opt);
    put("Test idx", 36, 1, s.testIndex);
    put("Vybran", 37, 1, s.selected);
    put("PWM", 38, 4, double(s.pwm));
    put("PI sum", 42, 4, double(s.piSum));
    put("I2C error", 46, 1, s.i2cError);
    put("I2C error adr", 47, 1, s.i2cErrorAddress);
    for (const BitRow& row : bitRows(s))
        if (row.carried)
            o[row.name] = row.value;
    put("Teplotni priznaky", 27, 1, s.thermometerFlags);
    for (const ValueRow& row : valueRows(s))
        o[row.name] = row.value;
    o[QStringLiteral("Delka odpovedi")] = s.length;
    return o;
}

} // namespace

int statusCommand(Context& ctx, QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    expectPositionals(args, 0);
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    prepareStatusRequest(link.packet());
    link.exchange(ExchangeMode::CloseAfterReply);
    if (link.linkFailed())
        return Failed; // nothing stale is shown as the unit's state
    if (const QString refusal = statusRefusal(link.packet()); !refusal.isEmpty()) {
        ctx.feedback.message(refusal);
        return Failed;
    }
    const DeviceStatus s = decodeStatus(link.packet().payload(), link.packet().length());
    // A reply without the whole fixed part is shown as far as it goes, and fails.
    const int status = s.length < DeviceStatus::FixedSize ? Failed : Success;
    if (status != Success)
        ctx.feedback.message(QStringLiteral("Odpověď jednotky na stav nese jen %1 bajtů, pevná "
                                            "část jich má %2.")
                                 .arg(s.length)
                                 .arg(DeviceStatus::FixedSize));
    if (json) {
        std::printf("%s", QJsonDocument(statusJson(s)).toJson().constData());
        return status;
    }
    printLines(statusLines(s));
    for (const BitRow& row : bitRows(s))
        std::printf("%-10s%s\n", qUtf8Printable(row.name),
                    qUtf8Printable(row.carried ? bitRowText(row) : QStringLiteral("(chybí)")));
    for (const ValueRow& row : valueRows(s))
        std::printf("%-10s%s%s\n", qUtf8Printable(row.name), qUtf8Printable(valueText(row.value)),
                    row.flagged ? " !" : "");
    return status;
}

int actionCommand(Context& ctx, QStringList args) {
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    if (args.isEmpty())
        throw Usage(QStringLiteral("action needs a name"));
    const ActionInfo* action = actionByCliName(args.takeFirst());
    if (!action)
        throw Usage(QStringLiteral("unknown action; one of bypass-on, bypass-off, reset, "
                                   "reset-tcp, 5v-on, 5v-off, set-outputs, cancel-outputs"));
    std::uint16_t pattern = 0;
    if (action->action == UnitAction::SetOutputs) {
        expectPositionals(args, 1);
        const QString& digits = args.at(0);
        bool ok = digits.size() == 4 && std::all_of(digits.begin(), digits.end(), [](QChar c) {
                      return QStringLiteral("0123456789abcdefABCDEF").contains(c);
                  });
        pattern = std::uint16_t(ok ? digits.toUInt(&ok, 16) : 0);
        if (!ok)
            throw Usage(QStringLiteral("set-outputs takes four hexadecimal digits, as 8001, "
                                       "not %1")
                            .arg(args.at(0)));
    } else {
        expectPositionals(args, 0);
    }
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    if (action->rightsNeeded > 0 && user.isEmpty())
        throw Usage(QStringLiteral("%1 needs --user").arg(QLatin1String(action->cliName)));
    const Rights needed = action->rightsNeeded > 1   ? Rights::Admin
                          : action->rightsNeeded > 0 ? Rights::User
                                                     : Rights::Nobody;
    return withLogin(ctx, link, user, password, needed, [&](UnitSession* session) {
        prepareAction(link.packet(), *action, pattern);
        link.exchange(action->mode);
        // A unit that resets has forgotten the login by itself.
        if (session && action->action == UnitAction::Reset)
            session->forget();
        const QString text = QString::fromUtf8(action->menuText);
        if (link.linkFailed())
            return int(Failed);
        if (action->mode != ExchangeMode::SendOnly && link.packet().status() != 0) {
            ctx.feedback.message(QStringLiteral("Jednotka akci %1 odmítla (stav %2).")
                                     .arg(text)
                                     .arg(link.packet().status()));
            return int(Failed);
        }
        ctx.feedback.log(QStringLiteral("Odesláno: %1").arg(text));
        return int(Success);
    });
}

int serviceCommand(Context& ctx, QStringList args) {
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    if (args.isEmpty())
        throw Usage(QStringLiteral("service needs a request"));
    const QString what = args.takeFirst();
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    LinkPacket& p = link.packet();
    auto byte = [&](int i, const char* name) {
        return std::uint8_t(fieldValue(args.at(i), name, 255));
    };
    std::function<QStringList()> lines = [] { return QStringList(); };
    int expected = 0;    // the payload bytes a reading request must get back
    bool changes = true; // the request changes the unit: an administrator's
    if (what == QLatin1String("i2c-read")) {
        expectPositionals(args, 3);
        const int memory = byte(1, "MEM");
        expected = int(fieldValue(args.at(2), "COUNT", 122));
        service::i2cRead(p, byte(0, "DEV"), std::uint8_t(memory), std::uint8_t(expected));
        lines = [&p, memory] { return service::recvManyLines(p, memory); };
        changes = false;
    } else if (what == QLatin1String("i2c-write")) {
        if (args.size() < 3 || args.size() > 4)
            throw Usage(QStringLiteral("i2c-write takes DEV MEM B1 [B2]"));
        std::vector<std::uint8_t> bytes = {byte(2, "B1")};
        if (args.size() == 4)
            bytes.push_back(byte(3, "B2"));
        service::i2cWrite(p, byte(0, "DEV"), byte(1, "MEM"), bytes);
        lines = [&p] { return QStringList{service::sendLine(p)}; };
    } else if (what == QLatin1String("flash-read")) {
        expectPositionals(args, 2);
        const quint32 address = fieldValue(args.at(0), "ADDR", 0xFFFFFFFFu);
        expected = int(fieldValue(args.at(1), "COUNT", 100));
        service::flashRead(p, address, expected);
        lines = [&p, address, expected] { return service::flashReadLines(p, address, expected); };
        changes = false;
    } else if (what == QLatin1String("flash-write")) {
        expectPositionals(args, 3);
        service::flashWrite(p, fieldValue(args.at(0), "ADDR", 0xFFFFFFFFu),
                            int(fieldValue(args.at(1), "COUNT", 100)),
                            fieldValue(args.at(2), "START", 0xFFFFFFFFu));
    } else if (what == QLatin1String("raw-outputs") || what == QLatin1String("raw-pwm")) {
        expectPositionals(args, 2);
        (what == QLatin1String("raw-pwm") ? service::rawPwm : service::rawOutputs)(p, byte(0, "B1"),
                                                                                   byte(1, "B2"));
    } else if (what == QLatin1String("energy-reset")) {
        expectPositionals(args, 0);
        service::energyReset(p);
    } else {
        throw Usage(QStringLiteral("unknown service request %1").arg(what));
    }
    if (changes && user.isEmpty())
        throw Usage(
            QStringLiteral("%1 changes the unit and needs --user (an administrator)").arg(what));
    // The request is built; a login would use the same packet, so keep it aside.
    const LinkPacket request = p;
    return withLogin(
        ctx, link, user, password, changes ? Rights::Admin : Rights::Nobody, [&](UnitSession*) {
            p = request;
            link.exchange(ExchangeMode::CloseAfterReply);
            if (link.linkFailed())
                return int(Failed);
            if (p.status() != 0) {
                ctx.feedback.message(
                    QStringLiteral("Jednotka požadavek odmítla (stav %1).").arg(p.status()));
                return int(Failed);
            }
            if (p.length() < expected) {
                ctx.feedback.message(QStringLiteral("Odpověď jednotky nese jen %1 z %2 bajtů.")
                                         .arg(p.length())
                                         .arg(expected));
                return int(Failed);
            }
            printLines(lines());
            return int(Success);
        });
}

} // namespace cli
