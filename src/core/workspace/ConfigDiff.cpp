#include "workspace/ConfigDiff.h"

#include "base/Text.h"
#include "workspace/ConfigDocument.h"
#include "workspace/PageRegistry.h"
#include "workspace/Report.h"

#include <QHash>

std::vector<FieldChange> diffImages(const ConfigImage& before, const ConfigImage& after) {
    std::vector<FieldChange> changes;
    PageModels a;
    PageModels b;
    a.scatter(before);
    b.scatter(after);
    for (const PageInfo& info : pageRegistry()) {
        // Fields in the order the first side shows them, then those only the second shows.
        QStringList order;
        QHash<QString, QString> left;
        QHash<QString, QString> right;
        for (const ShownField& f : a.page(info.slot).shownFields()) {
            order << f.where();
            left.insert(f.where(), shownText(f.value));
        }
        for (const ShownField& f : b.page(info.slot).shownFields()) {
            if (!left.contains(f.where()))
                order << f.where();
            right.insert(f.where(), shownText(f.value));
        }
        const QString missing = QStringLiteral("(nezobrazeno)");
        for (const QString& where : order) {
            const QString was = left.value(where, missing);
            const QString is = right.value(where, missing);
            if (was != is)
                changes.push_back({info.slot, QString::fromUtf8(info.title), where, was, is});
        }
    }
    return changes;
}

QString changeLine(const FieldChange& c) {
    return QStringLiteral("%1 / %2: %3 → %4")
        .arg(c.page, visibleText(c.where), visibleText(c.before), visibleText(c.after));
}
