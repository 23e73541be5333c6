// quel5ctl show and energy-preset: a configuration for a reader without the GUI, and the
// hidden energy preset of input X6/SO1.
#include "Cli.h"

#include "base/Text.h"

#include "base/Errors.h"
#include "editors/InputsPage.h"
#include "link/Login.h"
#include "workspace/Workspace.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstdio>

namespace cli {

namespace {

QString asText(const QVariant& value) {
    if (!value.isValid())
        return QStringLiteral("(nevybráno)");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("ano") : QStringLiteral("ne");
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'f', 1);
    case QMetaType::Int:
        return QString::number(value.toInt());
    default:
        return value.toString();
    }
}

QJsonValue asJson(const QVariant& value) {
    if (!value.isValid())
        return QJsonValue::Null;
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::Int:
        return value.toInt();
    default:
        return value.toString();
    }
}

} // namespace

int showCommand(Context& ctx, QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    expectPositionals(args, 1);
    DeviceLink link(ctx.target, ctx.feedback);
    Workspace workspace(link);
    workspace.setCurrentFile(args.at(0));
    workspace.loadConfigFile();

    QString text;
    QJsonObject document;
    for (const PageInfo& info : pageRegistry()) {
        std::vector<ShownField> fields = workspace.page(info.slot).shownFields();
        if (fields.empty())
            continue;
        // A row's fields together, where the row first appears.
        std::vector<ShownField> grouped;
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].caption.isNull())
                continue;
            grouped.push_back(fields[i]);
            if (fields[i].row.isEmpty())
                continue;
            for (size_t j = i + 1; j < fields.size(); ++j)
                if (fields[j].row == fields[i].row) {
                    grouped.push_back(fields[j]);
                    fields[j].caption = QString();
                }
        }
        fields = grouped;
        const QString title = QString::fromUtf8(info.title);
        text += QStringLiteral("[%1]\n").arg(title);
        QJsonObject page;
        for (const ShownField& f : fields) {
            const QString where =
                f.row.isEmpty() ? f.caption : f.row + QStringLiteral(" / ") + f.caption;
            // A description may hold any byte; one field stays one line.
            text +=
                QStringLiteral("%1: %2\n").arg(visibleText(where), visibleText(asText(f.value)));
            if (f.row.isEmpty()) {
                page[f.caption] = asJson(f.value);
            } else {
                QJsonObject row = page[f.row].toObject();
                row[f.caption] = asJson(f.value);
                page[f.row] = row;
            }
        }
        text += QLatin1Char('\n');
        document[title] = page;
    }
    if (json)
        std::fwrite(QJsonDocument(document).toJson().constData(), 1,
                    size_t(QJsonDocument(document).toJson().size()), stdout);
    else
        std::fputs(text.toUtf8().constData(), stdout);
    return Success;
}

int energyPresetCommand(Context& ctx, QStringList args) {
    const QString pulses = takeOption(args, QStringLiteral("--pulses-per-kwh"));
    const QString user = takeOption(args, QStringLiteral("--user"));
    const QString password = takeOption(args, QStringLiteral("--password"));
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
    const auto count = energy::pulseCount(tenths, perKwh);
    if (!count) {
        ctx.feedback.message(QStringLiteral("Počet pulzů %1 kWh × %2 se nevejde do 32 bitů "
                                            "jednotky; nic nebylo odesláno.")
                                 .arg(args.at(0))
                                 .arg(perKwh));
        return Failed;
    }

    DeviceLink link(ctx.target, ctx.feedback);
    link.setReadTimeoutMs(ctx.readTimeoutMs);
    if (loginToUnit(link, user, password) != Rights::Admin) {
        ctx.feedback.message(QStringLiteral("Chyba při přihlášení"));
        return Failed;
    }
    int status = Success;
    try {
        energy::sendPreset(link, *count);
        if (link.linkFailed()) {
            status = Failed;
        } else if (link.packet().status() != 0) {
            ctx.feedback.message(QStringLiteral("Jednotka nastavení čítače X6/SO1 odmítla "
                                                "(stav %1).")
                                     .arg(link.packet().status()));
            status = Failed;
        } else {
            ctx.feedback.log(QStringLiteral("Čítač X6/SO1 nastaven na %1 pulzů.").arg(*count));
        }
    } catch (const OperationError& e) {
        ctx.feedback.message(e.text());
        status = Failed;
    }
    try {
        logoutFromUnit(link);
    } catch (const OperationError& e) {
        ctx.feedback.message(
            QStringLiteral("Varování: odhlášení z jednotky se nezdařilo: %1").arg(e.text()),
            Severity::Warning);
    }
    return status;
}

} // namespace cli
