#include "workspace/ConfigDiff.h"
#include "base/Language.h"

#include "base/Text.h"
#include "workspace/ConfigDocument.h"
#include "workspace/PageRegistry.h"
#include "workspace/Report.h"

#include <QHash>
#include <algorithm>

namespace {

// The addresses a page's upload of `image` sends.
std::vector<int> uploadedAddresses(const PageInfo& info, const ConfigImage& image) {
    std::vector<int> addresses;
    for (const UploadRecord& record : info.records)
        for (int a = record.address; a < record.address + record.size; ++a)
            addresses.push_back(a);
    for (const UploadRange& range : info.ranges)
        for (int a = range.first; a < range.endIn(image); ++a)
            addresses.push_back(a);
    return addresses;
}

// "388, 391" and "01 04": at most a screenful of bytes, then how many more.
QString byteList(const std::vector<int>& addresses, const ConfigImage* image) {
    constexpr size_t Shown = 16;
    QStringList parts;
    for (size_t i = 0; i < std::min(addresses.size(), Shown); ++i)
        parts << (image ? QStringLiteral("%1")
                              .arg((*image)[addresses[i]], 2, 16, QLatin1Char('0'))
                              .toUpper()
                        : QString::number(addresses[i]));
    if (addresses.size() > Shown)
        parts << tx("workspace", "… (%1 dalších)").arg(addresses.size() - Shown);
    return parts.join(image ? QStringLiteral(" ") : QStringLiteral(", "));
}

} // namespace

std::vector<FieldChange> diffImages(const ConfigImage& rawBefore, const ConfigImage& rawAfter) {
    std::vector<FieldChange> changes;
    // Both as a save would store them: what the windows hold and what an upload sends.
    const ConfigImage before = savedImage(rawBefore);
    const ConfigImage after = savedImage(rawAfter);
    PageModels a;
    PageModels b;
    a.scatter(before);
    b.scatter(after);
    // The first side with every field the second shows set as a user would set it: what
    // still differs in the bytes a page uploads is something no visible field says.
    PageModels moved;
    moved.scatter(before);
    for (const PageInfo& info : pageRegistry())
        moved.page(info.slot).setShownFields(b.page(info.slot).shownFields(),
                                             [](const QString&) {});
    const ConfigImage reached = moved.gatherAll();
    for (const PageInfo& info : pageRegistry()) {
        // Fields in the order the first side shows them, then those only the second shows.
        QStringList order;
        QHash<QString, QString> left;
        QHash<QString, QString> right;
        for (const ShownField& f : a.page(info.slot).shownFields()) {
            order << f.shownWhere();
            left.insert(f.shownWhere(), f.shownValue());
        }
        for (const ShownField& f : b.page(info.slot).shownFields()) {
            if (!left.contains(f.shownWhere()))
                order << f.shownWhere();
            right.insert(f.shownWhere(), f.shownValue());
        }
        const QString missing = tx("workspace", "(nezobrazeno)");
        for (const QString& where : order) {
            const QString was = left.value(where, missing);
            const QString is = right.value(where, missing);
            if (was != is)
                changes.push_back({info.slot, tx("page", info.title), where, was, is});
        }
        // What the upload would change that setting the shown fields does not explain.
        std::vector<int> rest;
        for (int address : uploadedAddresses(info, after))
            if (reached[address] != after[address])
                rest.push_back(address);
        if (!rest.empty())
            changes.push_back({info.slot, QString::fromUtf8(info.title),
                               tx("workspace", "Ostatní bajty %1").arg(byteList(rest, nullptr)),
                               byteList(rest, &before), byteList(rest, &after)});
    }
    return changes;
}

QString changeLine(const FieldChange& c) {
    return QStringLiteral("%1 / %2: %3 → %4")
        .arg(c.page, visibleText(c.where), visibleText(c.before), visibleText(c.after));
}
