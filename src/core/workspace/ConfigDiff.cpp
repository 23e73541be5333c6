#include "workspace/ConfigDiff.h"

#include "base/Text.h"
#include "workspace/PageRegistry.h"
#include "workspace/Report.h"

#include <QHash>

namespace {

QString whereOf(const ShownField& f) {
    return f.row.isEmpty() ? f.caption : f.row + QStringLiteral(" / ") + f.caption;
}

} // namespace

std::vector<FieldChange> diffImages(const ConfigImage& before, const ConfigImage& after) {
    std::vector<FieldChange> changes;
    for (const PageInfo& info : pageRegistry()) {
        if (!info.createModel)
            continue;
        const std::unique_ptr<Page> a = info.createModel();
        const std::unique_ptr<Page> b = info.createModel();
        a->scatter(before);
        b->scatter(after);
        // Fields in the order the first side shows them, then those only the second shows.
        QStringList order;
        QHash<QString, QString> left;
        QHash<QString, QString> right;
        for (const ShownField& f : a->shownFields()) {
            order << whereOf(f);
            left.insert(whereOf(f), shownText(f.value));
        }
        for (const ShownField& f : b->shownFields()) {
            if (!left.contains(whereOf(f)))
                order << whereOf(f);
            right.insert(whereOf(f), shownText(f.value));
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
