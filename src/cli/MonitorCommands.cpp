// quel5ctl status, action and service: the live state, the action commands and the
// service panel's requests.
#include "Cli.h"

#include "base/Errors.h"
#include "link/Login.h"
#include "monitor/DeviceStatus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace cli {

namespace {

void printLines(const QStringList& lines) {
    for (const QString& line : lines)
        std::printf("%s\n", qUtf8Printable(line));
}

// A number for a field of `max` at most: a value that does not fit is refused, not cut.
quint32 fieldValue(const QString& text, const char* what, quint32 max) {
    bool ok = false;
    const qulonglong v = text.toULongLong(&ok, 0);
    if (!ok || v > max)
        throw Usage(
            QStringLiteral("%1 takes 0..%2, not %3").arg(QLatin1String(what)).arg(max).arg(text));
    return quint32(v);
}

QJsonObject statusJson(const DeviceStatus& s) {
    QJsonObject o;
    o[QStringLiteral("Typ")] = s.typ;
    o[QStringLiteral("Mod")] = s.mod;
    o[QStringLiteral("Stav")] = s.stav;
    o[QStringLiteral("Tlacitka")] = s.buttons;
    QJsonArray on, blink;
    for (int i = 0; i < 4; ++i)
        on << s.ledOn[size_t(i)], blink << s.ledBlink[size_t(i)];
    o[QStringLiteral("LED zobr")] = on;
    o[QStringLiteral("LED blik")] = blink;
    o[QStringLiteral("Opt")] = s.opt;
    o[QStringLiteral("Test idx")] = s.testIndex;
    o[QStringLiteral("Vybran")] = s.selected;
    o[QStringLiteral("PWM")] = double(s.pwm);
    o[QStringLiteral("PI sum")] = double(s.piSum);
    o[QStringLiteral("I2C error")] = s.i2cError;
    o[QStringLiteral("I2C error adr")] = s.i2cErrorAddress;
    for (const BitRow& row : bitRows(s))
        o[row.name] = row.value;
    o[QStringLiteral("Teplotni priznaky")] = s.thermometerFlags;
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
    if (json) {
        std::printf("%s", QJsonDocument(statusJson(s)).toJson().constData());
        return Success;
    }
    printLines(statusLines(s));
    for (const BitRow& row : bitRows(s))
        std::printf("%-10s%s\n", qUtf8Printable(row.name),
                    qUtf8Printable(row.carried ? bitRowText(row) : QStringLiteral("(chybí)")));
    for (const ValueRow& row : valueRows(s))
        std::printf("%-10s%s%s\n", qUtf8Printable(row.name), qUtf8Printable(valueText(row.value)),
                    row.flagged ? " !" : "");
    return Success;
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
        if (args.at(0).size() != 4)
            throw Usage(QStringLiteral("set-outputs takes four hexadecimal digits, as 8001"));
        pattern = std::uint16_t(fieldValue(QStringLiteral("0x") + args.at(0), "PATTERN", 0xFFFF));
    } else {
        expectPositionals(args, 0);
    }
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    const bool needsLogin = action->rightsNeeded > 0;
    if (needsLogin) {
        if (user.isEmpty())
            throw Usage(QStringLiteral("%1 needs --user").arg(QLatin1String(action->cliName)));
        const Rights rights = loginToUnit(link, user, password);
        if (int(rights) < action->rightsNeeded || rights == Rights::LoggedOut) {
            if (rights != Rights::Nobody)
                logoutFromUnit(link);
            ctx.feedback.message(QStringLiteral("Chyba při přihlášení"));
            return Failed;
        }
    }
    int status = Success;
    try {
        prepareAction(link.packet(), *action, pattern);
        link.exchange(action->mode);
        if (link.linkFailed())
            status = Failed;
        else
            ctx.feedback.log(
                QStringLiteral("Odesláno: %1").arg(QString::fromUtf8(action->menuText)));
    } catch (const OperationError& e) {
        ctx.feedback.message(e.text());
        status = Failed;
    }
    if (needsLogin && action->action != UnitAction::Reset)
        logOut(ctx, link);
    return status;
}

int serviceCommand(Context& ctx, QStringList args) {
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
    if (what == QLatin1String("i2c-read")) {
        expectPositionals(args, 3);
        const int memory = byte(1, "MEM");
        service::i2cRead(p, byte(0, "DEV"), std::uint8_t(memory),
                         std::uint8_t(fieldValue(args.at(2), "COUNT", 122)));
        lines = [&p, memory] { return service::recvManyLines(p, memory); };
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
        const int count = int(fieldValue(args.at(1), "COUNT", 100));
        service::flashRead(p, address, count);
        lines = [&p, address, count] { return service::flashReadLines(p, address, count); };
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
    link.exchange(ExchangeMode::CloseAfterReply);
    if (link.linkFailed())
        return Failed;
    printLines(lines());
    return Success;
}

} // namespace cli
