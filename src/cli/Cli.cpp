#include "Cli.h"
#include "base/Language.h"
#include "unit/UnitCommands.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "image/MemoryMap.h"
#include "link/Login.h"
#include "logic/RelayCompiler.h"
#include "operations/AdminSession.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>

namespace cli {

void StderrFeedback::message(const QString& text, Severity, const QString& detail) {
    if (detail.isEmpty())
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
    else
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(detail), qUtf8Printable(text));
}

void StderrFeedback::log(const QString& line) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
}

QString takeOption(QStringList& args, const QString& name, const QString& fallback) {
    const int at = int(args.indexOf(name));
    if (at < 0)
        return fallback;
    if (at + 1 >= args.size())
        throw Usage(QStringLiteral("%1 needs a value").arg(name));
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    if (args.contains(name))
        throw Usage(QStringLiteral("%1 given twice").arg(name));
    return value;
}

QString takePassword(QStringList& args) {
    const bool fromInput = takeFlag(args, QStringLiteral("--password-stdin"));
    const QString given = takeOption(args, QStringLiteral("--password"), QString());
    if (fromInput && !given.isNull())
        throw Usage(QStringLiteral("--password and --password-stdin exclude each other"));
    if (fromInput) {
        // The first line of standard input, without its line end.
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            throw Usage(QStringLiteral("--password-stdin: standard input cannot be read"));
        QByteArray line = input.readLine(4096);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        return QString::fromUtf8(line);
    }
    if (!given.isNull())
        return given;
    return qEnvironmentVariable("QUEL5_PASSWORD");
}

QStringList takeOptions(QStringList& args, const QString& name) {
    QStringList values;
    for (int at = int(args.indexOf(name)); at >= 0; at = int(args.indexOf(name))) {
        if (at + 1 >= args.size())
            throw Usage(QStringLiteral("%1 needs a value").arg(name));
        values << args.at(at + 1);
        args.remove(at, 2);
    }
    return values;
}

bool takeFlag(QStringList& args, const QString& name) {
    return args.removeAll(name) > 0;
}

void expectPositionals(const QStringList& args, int count) {
    for (const QString& a : args)
        if (a.startsWith(QLatin1String("--"))) {
            // "--password=PW" and the like: the value is never repeated.
            const qsizetype equals = a.indexOf(QLatin1Char('='));
            throw Usage(equals < 0 ? QStringLiteral("unknown option %1").arg(visibleText(a))
                                   : QStringLiteral("unknown option %1=… (give the value as a "
                                                    "separate argument)")
                                         .arg(visibleText(a.left(equals))));
        }
    if (args.size() != count)
        throw Usage(QStringLiteral("expected %1 argument(s)").arg(count));
}

int parseNumber(const QString& text, const QString& option, int min, int max) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        throw Usage(
            QStringLiteral("%1 takes a number from %2 to %3").arg(option).arg(min).arg(max));
    return v;
}

Selectors parsePages(const QString& list) {
    Selectors s;
    const QStringList names = list.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (names.isEmpty())
        throw Usage(QStringLiteral("--pages needs a list"));
    for (const QString& name : names) {
        const PageInfo* page = pageByCliName(name.trimmed());
        if (!page)
            throw Usage(QStringLiteral("unknown page %1").arg(name.trimmed()));
        s = s.with(page->slot);
    }
    return s;
}

int withLogin(Context& ctx, DeviceLink& link, const QString& user, const QString& password,
              Rights needed, const std::function<int(UnitSession*)>& work) {
    const ops::SessionResult result =
        ops::withSession(link, user, password, needed,
                         [&](UnitSession* session) { return work(session) == Success; });
    if (result.loginRefused)
        ctx.feedback.message(tx("ops", ops::LoginRefused));
    if (!result.failure.isEmpty())
        ctx.feedback.message(result.failure);
    if (!result.logoutFailure.isEmpty())
        ctx.feedback.message(tx("cli", "Varování: %1").arg(result.logoutFailure),
                             Severity::Warning);
    return result.ok ? Success : Failed;
}

namespace {

int readCommand(Context& ctx, QStringList args) {
    expectPositionals(args, 1);
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    Workspace workspace(link);
    if (!workspace.readAll())
        return Failed;
    writeImageFile(args.at(0), workspace.image(), false);
    return Success;
}

int writeCommand(Context& ctx, QStringList args) {
    const bool all = takeFlag(args, QStringLiteral("--all"));
    const bool allButNetwork = takeFlag(args, QStringLiteral("--all-but-network"));
    const QString pages = takeOption(args, QStringLiteral("--pages"));
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    const bool noVerify = takeFlag(args, QStringLiteral("--no-verify"));
    const bool force = takeFlag(args, QStringLiteral("--force"));
    expectPositionals(args, 1);
    if (int(all) + int(allButNetwork) + int(!pages.isEmpty()) != 1)
        throw Usage(QStringLiteral("choose one of --all, --all-but-network, --pages LIST"));
    if (user.isEmpty())
        throw Usage(QStringLiteral("--user is required"));
    const Selectors selectors = all             ? Selectors::all()
                                : allButNetwork ? Selectors::allButNetwork()
                                                : parsePages(pages);

    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    Workspace workspace(link);
    workspace.setVerifyUploads(!noVerify);
    ops::loadFullConfigFile(args.at(0), workspace.image());
    workspace.scatterAll();

    // The network record may move the unit off the network, or belong to another unit:
    // the upload compares it with what the unit holds now and refuses it unless --force.
    QStringList guarded;
    workspace.confirmGuarded = [&](const QStringList& changes) {
        guarded = changes;
        return force;
    };

    // The upload's result decides the exit status and is reported first; the logout only
    // adds a warning when it fails.
    return withLogin(ctx, link, user, password, Rights::Admin, [&](UnitSession*) {
        try {
            return int(workspace.uploadConfig(selectors).ok() ? Success : Failed);
        } catch (const Cancelled&) {
            ctx.feedback.message(tx("cli", "Nahrání by změnilo síťová nastavení jednotky (%1); "
                                           "bez --force nebylo nic odesláno.")
                                     .arg(guarded.join(QStringLiteral("; "))));
            return int(Failed);
        }
    });
}

int normalizeCommand(Context& ctx, QStringList args) {
    expectPositionals(args, 2);
    DeviceLink link(ctx.target, ctx.feedback);
    Workspace workspace(link);
    workspace.setCurrentFile(args.at(0));
    workspace.loadConfigFile();
    workspace.setCurrentFile(args.at(1));
    workspace.saveConfigFile();
    return Success;
}

QString hexPairs(const std::vector<std::uint8_t>& code) {
    QStringList pairs;
    for (std::uint8_t b : code)
        pairs << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return pairs.join(QLatin1Char(' '));
}

int relayCommand(Context&, QStringList args) {
    if (args.isEmpty())
        throw Usage(QStringLiteral("relay needs compile or decode"));
    const QString action = args.takeFirst();
    if (action == QLatin1String("compile")) {
        if (args.isEmpty())
            throw Usage(QStringLiteral("relay compile needs at least one expression"));
        // One gather: the timers are counted over all expressions in order.
        int timerCount = 0;
        int status = Success;
        for (const QString& expression : args) {
            const RelayCompileResult result = CompileRelayExpression(expression, timerCount);
            std::printf("%s\n", qUtf8Printable(result.ok ? hexPairs(result.code) : result.error));
            if (!result.ok)
                status = Failed;
        }
        return status;
    }
    if (action == QLatin1String("decode")) {
        const QString hex = args.join(QString()).remove(QLatin1Char(' '));
        const bool pairs = hex.size() % 2 == 0 && std::all_of(hex.begin(), hex.end(), [](QChar c) {
                               return std::isxdigit(static_cast<unsigned char>(c.toLatin1())) &&
                                      c.unicode() < 0x80;
                           });
        if (!pairs)
            throw Usage(QStringLiteral("relay decode takes hexadecimal byte pairs"));
        const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
        const auto* code = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        std::printf("%s\n",
                    qUtf8Printable(DecodeRelayProgram(code, int(bytes.size()), int(bytes.size()))));
        return Success;
    }
    throw Usage(QStringLiteral("unknown relay action %1").arg(action));
}

void printUsage() {
    QString text = QStringLiteral(
        "usage: quel5ctl [--version] [--lang cs|en] [--host H] [--port P] [--timeout-ms N] "
        "COMMAND ...\ncommands:\n");
    for (const Command& c : commands())
        text += QStringLiteral("  %1 %2\n").arg(c.name, c.synopsis);
    std::fprintf(stderr, "%s", qUtf8Printable(text));
}

} // namespace

const QList<Command>& commands() {
    static const QList<Command> list = {
        {QStringLiteral("read"), QStringLiteral("OUT.ql5"), true, readCommand},
        {QStringLiteral("write"),
         QStringLiteral("IN.ql5 (--all | --all-but-network | --pages LIST) --user NAME "
                        "--password PW [--no-verify] [--force]"),
         true, writeCommand},
        {QStringLiteral("normalize"), QStringLiteral("IN.ql5 OUT.ql5"), false, normalizeCommand},
        {QStringLiteral("relay"), QStringLiteral("compile EXPR [EXPR ...] | decode HEX"), false,
         relayCommand},
        {QStringLiteral("show"), QStringLiteral("IN.ql5 [--json]"), false, showCommand},
        {QStringLiteral("report"), QStringLiteral("IN.ql5 --pdf OUT.pdf [--record]"), false,
         reportCommand},
        {QStringLiteral("diff"), QStringLiteral("A.ql5 (B.ql5 | --unit)"), false, diffCommand},
        {QStringLiteral("export"), QStringLiteral("IN.ql5 OUT.json"), false, exportCommand},
        {QStringLiteral("import"), QStringLiteral("IN.json OUT.ql5"), false, importCommand},
        {QStringLiteral("clock"),
         QStringLiteral("get | set [YYYY-MM-DDTHH:MM:SS] --user NAME --password PW"), true,
         clockCommand},
        {QStringLiteral("status"), QStringLiteral("[--json]"), true, statusCommand},
        {QStringLiteral("action"),
         QStringLiteral("(%1) [--user NAME --password PW]").arg(unit::usage(unit::Group::Action)),
         true, actionCommand},
        {QStringLiteral("service"),
         QStringLiteral("(%1) [--user NAME --password PW]").arg(unit::usage(unit::Group::Service)),
         true, serviceCommand},
        {QStringLiteral("energy-preset"),
         QStringLiteral("KWH --pulses-per-kwh N --user NAME --password PW"), true,
         energyPresetCommand},
        {QStringLiteral("discover"),
         QStringLiteral("[--target ADDR] [--discovery-port N] [--wait-ms N] [--total-ms N] "
                        "[--max-answers N]"),
         false, discoverCommand},
        {QStringLiteral("stations"),
         QStringLiteral("FILE [--notes DIR] [--sort COLUMN[:desc]] [--filter COLUMN=CONDITION]..."),
         false, stationsCommand},
        {QStringLiteral("backup-stations"), QStringLiteral("FILE DIR [--history] [--jobs N]"),
         false, backupStationsCommand},
        {QStringLiteral("history"), QStringLiteral("DIR [STATION]"), false, historyCommand},
        {QStringLiteral("status-stations"), QStringLiteral("FILE [--json] [--jobs N]"), false,
         statusStationsCommand},
        {QStringLiteral("clock-stations"),
         QStringLiteral("FILE set [YYYY-MM-DDTHH:MM:SS] --user NAME --password PW [--jobs N]"),
         false, clockStationsCommand},
        {QStringLiteral("write-stations"),
         QStringLiteral("FILE IN.ql5 --pages LIST --user NAME --password PW [--jobs N]"), false,
         writeStationsCommand},
    };
    return list;
}

int run(QStringList args) {
    Context ctx;
    try {
        // The language first, so that every message after it speaks it.
        const QString lang = takeOption(args, QStringLiteral("--lang"));
        const std::optional<language::Lang> chosen =
            lang.isNull() ? language::fromEnvironment() : language::parse(lang);
        language::apply(chosen.value_or(language::fromEnvironment()));
        if (!chosen)
            throw Usage(QStringLiteral("--lang takes cs or en"));
        if (takeFlag(args, QStringLiteral("--version"))) {
            std::printf("quel5ctl %s\n", QUEL5_VERSION);
            return Success;
        }
        if (takeFlag(args, QStringLiteral("--help")) || takeFlag(args, QStringLiteral("-h"))) {
            printUsage();
            return Success;
        }
        const QString host = takeOption(args, QStringLiteral("--host"));
        ctx.hostGiven = !host.isEmpty();
        ctx.target.setHost(host);
        ctx.target.setPort(
            quint16(parseNumber(takeOption(args, QStringLiteral("--port"), QStringLiteral("9760")),
                                QStringLiteral("--port"), 0, 65535)));
        ctx.readTimeoutMs =
            parseNumber(takeOption(args, QStringLiteral("--timeout-ms"), QStringLiteral("10000")),
                        QStringLiteral("--timeout-ms"), 1, 3600 * 1000);
        if (args.isEmpty())
            throw Usage(QStringLiteral("no command given"));
        const QString name = args.takeFirst();
        for (const Command& command : commands()) {
            if (command.name != name)
                continue;
            if (command.needsUnit && !ctx.hostGiven)
                throw Usage(QStringLiteral("%1 needs --host").arg(name));
            return command.run(ctx, args);
        }
        throw Usage(QStringLiteral("unknown command %1").arg(name));
    } catch (const Usage& e) {
        std::fprintf(stderr, "quel5ctl: %s\n", e.what());
        printUsage();
        return UsageError;
    } catch (const OperationError& e) {
        ctx.feedback.message(e.text());
        return Failed;
    }
}

} // namespace cli
