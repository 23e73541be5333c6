// quel5ctl status, action and service: the live state, the action commands and the
// service panel's requests.
#include "Cli.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "link/Login.h"
#include "monitor/DeviceStatus.h"
#include "unit/UnitCommands.h"

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
    const QString tooShort = statusTooShort(s);
    const int status = tooShort.isEmpty() ? Success : Failed;
    if (status != Success)
        ctx.feedback.message(tooShort);
    if (json) {
        std::printf("%s", QJsonDocument(statusJson(s)).toJson().constData());
        return status;
    }
    printLines(statusLines(s));
    for (const BitRow& row : bitRows(s))
        std::printf("%-10s%s\n", qUtf8Printable(row.name),
                    qUtf8Printable(row.carried ? bitRowText(row) : tx("cli", "(chybí)")));
    for (const ValueRow& row : valueRows(s))
        std::printf("%-10s%s%s\n", qUtf8Printable(row.name), qUtf8Printable(valueText(row.value)),
                    row.flagged ? " !" : "");
    return status;
}

namespace {

// quel5ctl action and service: a row of the unit's commands, its arguments from the
// command line, a login when it needs one, and the reply's lines on standard output.
int unitCommand(Context& ctx, QStringList args, unit::Group group) {
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    const char* what = group == unit::Group::Action ? "action" : "service request";
    if (args.isEmpty())
        throw Usage(QStringLiteral("%1 needs a name").arg(QLatin1String(what)));
    const QString name = args.takeFirst();
    const unit::Command* command = unit::byCliName(group, name, int(args.size()));
    if (!command)
        throw Usage(QStringLiteral("unknown %1 %2; one of %3")
                        .arg(QLatin1String(what), name, unit::usage(group)));
    if (args.size() != qsizetype(command->arguments.size()) ||
        std::any_of(args.begin(), args.end(),
                    [](const QString& a) { return a.startsWith(QLatin1String("--")); }))
        throw Usage(QStringLiteral("%1 takes %2").arg(name, unit::usage(group)));
    unit::Values values;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString why;
        const auto value = unit::parseArgument(command->arguments[size_t(i)], args.at(i), &why);
        if (!value)
            throw Usage(why);
        values.push_back(*value);
    }
    if (command->needs != Rights::Nobody && user.isEmpty())
        throw Usage(QStringLiteral("%1 %2 needs --user%3")
                        .arg(name, command->needs == Rights::Admin
                                       ? QStringLiteral(" (an administrator)")
                                       : QString()));
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    return withLogin(ctx, link, user, password, command->needs, [&](UnitSession* session) {
        const auto lines = unit::send(link, *command, values);
        // A unit that restarts has forgotten the login by itself.
        if (session && command->endsLogin)
            session->forget();
        if (!lines)
            return int(Failed);
        printLines(*lines);
        return int(Success);
    });
}

} // namespace

int actionCommand(Context& ctx, QStringList args) {
    return unitCommand(ctx, std::move(args), unit::Group::Action);
}

int serviceCommand(Context& ctx, QStringList args) {
    return unitCommand(ctx, std::move(args), unit::Group::Service);
}

} // namespace cli
