#include "workspace/Report.h"
#include "base/Language.h"

#include "base/Text.h"
#include "logic/RelayPage.h"
#include "logic/ThermostatPage.h"
#include "workspace/Workspace.h"

#include <QFileInfo>

std::vector<ShownPage> shownPages(Workspace& workspace) {
    return shownPages([&](PageSlot slot) -> const Page& { return workspace.page(slot); });
}

std::vector<ShownPage> shownPages(const std::function<const Page&(PageSlot)>& pageOf) {
    std::vector<ShownPage> pages;
    for (const PageInfo& info : pageRegistry()) {
        std::vector<ShownField> fields = pageOf(info.slot).shownFields();
        if (fields.empty())
            continue;
        std::vector<ShownField> grouped;
        std::vector<bool> taken(fields.size(), false);
        for (size_t i = 0; i < fields.size(); ++i) {
            if (taken[i])
                continue;
            grouped.push_back(fields[i]);
            if (fields[i].row.isEmpty())
                continue;
            for (size_t j = i + 1; j < fields.size(); ++j)
                if (!taken[j] && fields[j].row == fields[i].row) {
                    grouped.push_back(fields[j]);
                    taken[j] = true;
                }
        }
        pages.push_back(
            {QString::fromUtf8(info.title), QLatin1String(info.cliName), std::move(grouped)});
    }
    return pages;
}

QString shownText(const QVariant& value) {
    ShownField field;
    field.value = value;
    return field.shownValue();
}

QString shownLine(const ShownField& f) {
    // A description may hold any byte; one field stays one line.
    return QStringLiteral("%1: %2").arg(visibleText(f.shownWhere()), visibleText(f.shownValue()));
}

Report buildReport(Workspace& workspace, const QString& file, const QDate& date) {
    Report report;
    const QString name =
        file.isEmpty() ? tx("workspace", "(bez souboru)") : visibleText(QFileInfo(file).fileName());
    report.title = tx("workspace", "Quel5 - konfigurace %1 - %2")
                       .arg(name, date.toString(tx("formats", "d. M. yyyy")));
    // The types as the thermostats' gather left them in the image.
    const ConfigImage& image = workspace.image();
    for (int k = 0; k < ThermostatPage::EditedRows; ++k) {
        const int type = image[mem::ThermostatTable + mem::ThermostatRecordSize * k];
        if (type == 0 || type >= ThermostatPage::Types)
            continue;
        report.thermostats[size_t(k)] = {tx("workspace", "Typ %1: %2").arg(k).arg(type), type};
    }
    if (auto* relays = dynamic_cast<RelayPage*>(&workspace.page(PageSlot::Relays)))
        for (int n = 0; n < RelayPage::StoredRows; ++n) {
            const QString text = relays->rows[size_t(n)].text.trimmed();
            if (!text.isEmpty())
                report.relays << QStringLiteral("R%1: %2").arg(n + 1).arg(visibleText(text));
        }
    report.pages = shownPages(workspace);
    return report;
}
