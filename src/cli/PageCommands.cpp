// quel5ctl show and energy-preset: a configuration for a reader without the GUI, and the
// hidden energy preset of input X6/SO1.
#include "Cli.h"
#include "base/Language.h"

#include "base/Text.h"

#include "base/Errors.h"
#include "editors/InputsPage.h"
#include "image/ConfigFile.h"
#include "link/Login.h"
#include "print/ReportPainter.h"
#include "unit/Clock.h"
#include "unit/EnergyPreset.h"
#include "workspace/ConfigDiff.h"
#include "workspace/ConfigDocument.h"
#include "workspace/Report.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>

namespace cli {

int showCommand(Context& ctx, QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    expectPositionals(args, 1);
    DeviceLink link(ctx.target, ctx.feedback);
    Workspace workspace(link);
    workspace.setCurrentFile(args.at(0));
    workspace.loadConfigFile();

    const std::vector<ShownPage> pages = shownPages(workspace);
    QString text;
    for (const ShownPage& shown : pages) {
        text += QStringLiteral("[%1]\n").arg(tx("page", shown.title));
        for (const ShownField& f : shown.fields)
            text += shownLine(f) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    const QByteArray document = QJsonDocument(shownDocument(pages)).toJson();
    if (json)
        std::fwrite(document.constData(), 1, size_t(document.size()), stdout);
    else
        std::fputs(text.toUtf8().constData(), stdout);
    return Success;
}

// Exit 0: equal; 1: they differ; 2: a usage error, or a side that could not be read (as
// diff does).
int diffCommand(Context& ctx, QStringList args) {
    const bool unit = takeFlag(args, QStringLiteral("--unit"));
    expectPositionals(args, unit ? 1 : 2);
    if (unit && !ctx.hostGiven)
        throw Usage(QStringLiteral("diff --unit needs --host"));
    ConfigImage before;
    ConfigImage after;
    try {
        readImageFile(args.at(0), before);
        if (unit) {
            DeviceLink link(ctx.target, ctx.feedback);
            link.setReadTimeoutMs(ctx.readTimeoutMs);
            Workspace workspace(link);
            if (!workspace.readAll())
                return UsageError;
            after = workspace.image();
        } else {
            readImageFile(args.at(1), after);
        }
    } catch (const OperationError& e) {
        ctx.feedback.message(e.text());
        return UsageError;
    }
    const std::vector<FieldChange> changes = diffImages(before, after);
    for (const FieldChange& change : changes)
        std::printf("%s\n", qUtf8Printable(changeLine(change)));
    return changes.empty() ? Success : Failed;
}

int exportCommand(Context&, QStringList args) {
    expectPositionals(args, 2);
    ConfigImage image;
    readImageFile(args.at(0), image);
    writeDocumentFile(args.at(1), image);
    return Success;
}

int importCommand(Context& ctx, QStringList args) {
    expectPositionals(args, 2);
    requireRegularFile(args.at(0), false);
    QFile in(args.at(0));
    // A document far larger than any configuration is no configuration.
    constexpr qint64 Largest = 16 * 1024 * 1024;
    if (!in.open(QIODevice::ReadOnly) || in.size() > Largest)
        throw FileError(tx("cli", "Soubor %1 nelze přečíst: %2")
                            .arg(args.at(0), in.size() > Largest ? tx("cli", "je příliš velký")
                                                                 : in.errorString()));
    QJsonObject document;
    try {
        document = parseDocument(in.read(Largest));
    } catch (const OperationError& e) {
        throw FileError(tx("cli", "Soubor %1: %2").arg(args.at(0), e.text()));
    }
    QStringList warnings;
    const ConfigImage image = importDocument(document, &warnings);
    for (const QString& warning : warnings)
        ctx.feedback.message(warning, Severity::Warning);
    writeImageFile(args.at(1), image, false);
    return Success;
}

int reportCommand(Context& ctx, QStringList args) {
    const QString pdf = takeOption(args, QStringLiteral("--pdf"));
    const bool record = takeFlag(args, QStringLiteral("--record"));
    expectPositionals(args, 1);
    if (pdf.isEmpty())
        throw Usage(QStringLiteral("report needs --pdf OUT.pdf"));
    DeviceLink link(ctx.target, ctx.feedback);
    Workspace workspace(link);
    workspace.setCurrentFile(args.at(0));
    workspace.loadConfigFile();
    // What "Tisk" prints: the pages gathered as a file save gathers them.
    workspace.gatherPages(Selectors::all());
    writeReportPdf(pdf, buildReport(workspace, args.at(0), QDate::currentDate()),
                   record ? ReportKind::Record : ReportKind::Printout);
    return Success;
}

namespace {

// The unit's clock as ISO 8601 without an offset: the clock keeps local time.
QString isoText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

} // namespace

QDateTime parseClockTime(const QString& text) {
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime clock = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss"));
    if (text.size() != 19 || text.at(10) != QLatin1Char('T') || !date.isValid() || !clock.isValid())
        throw Usage(QStringLiteral("a date and time is written as 2012-03-05T09:07:03"));
    return QDateTime(date, clock, Qt::UTC);
}

int clockCommand(Context& ctx, QStringList args) {
    if (args.isEmpty())
        throw Usage(QStringLiteral("clock needs get or set"));
    const QString action = args.takeFirst();
    if (action == QLatin1String("get")) {
        expectPositionals(args, 0);
        DeviceLink link(ctx.target, ctx.feedback);
        link.setReadTimeoutMs(ctx.readTimeoutMs);
        const QDateTime time = unitclock::read(link);
        if (!time.isValid())
            return Failed;
        std::printf("%s\n", qUtf8Printable(isoText(time)));
        return Success;
    }
    if (action != QLatin1String("set"))
        throw Usage(QStringLiteral("unknown clock action %1").arg(action));
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    if (user.isEmpty())
        throw Usage(QStringLiteral("clock set needs --user"));
    if (args.size() > 1)
        throw Usage(QStringLiteral("clock set takes at most one date and time"));
    // A wall-clock time, as the unit keeps it: no time zone, so no hour is skipped.
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime time =
        args.isEmpty() ? QDateTime(now.date(), now.time(), Qt::UTC) : parseClockTime(args.at(0));
    if (!unitclock::encode(time)) {
        ctx.feedback.message(unitclock::yearRefused(time.date().year()));
        return Failed;
    }
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    return withLogin(ctx, link, user, password, Rights::Admin, [&](UnitSession*) {
        // Read back: a unit that acknowledges the write but keeps its old time is not set.
        const auto difference = unitclock::writeChecked(link, time);
        if (!difference)
            return Failed;
        ctx.feedback.log(tx("cli", "Hodiny jednotky nastaveny na %1 (čteno zpět, odchylka %2 s).")
                             .arg(isoText(time))
                             .arg(*difference));
        return Success;
    });
}

int energyPresetCommand(Context& ctx, QStringList args) {
    const QString pulses = takeOption(args, QStringLiteral("--pulses-per-kwh"));
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takePassword(args);
    expectPositionals(args, 1);
    if (pulses.isEmpty() || user.isEmpty())
        throw Usage(QStringLiteral("energy-preset needs --pulses-per-kwh and --user"));
    // The entry of the GUI takes kWh with one decimal.
    static const QRegularExpression kwh(QStringLiteral("^(\\d{1,10})(?:[.,](\\d))?$"));
    const QRegularExpressionMatch m = kwh.match(args.at(0));
    if (!m.hasMatch())
        throw Usage(QStringLiteral("KWH takes a number with at most one decimal, as 12.5"));
    const qint64 tenths = m.captured(1).toLongLong() * 10 + m.captured(2).toLongLong();
    const int perKwh = parseNumber(pulses, QStringLiteral("--pulses-per-kwh"), 0, 65535);
    // A count the unit cannot hold fails before anything is sent.
    const quint32 count = energy::presetCount(tenths, perKwh);
    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    return withLogin(ctx, link, user, password, Rights::Admin, [&](UnitSession*) {
        return energy::sendPreset(link, count) ? int(Success) : int(Failed);
    });
}

} // namespace cli
