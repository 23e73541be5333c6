#include "app/Rights.h"

#include "unit/UnitCommands.h"

#include <QAction>
#include <QWidget>

const QList<RightsRow>& rightsTable() {
    using R = RightsRow;
    static const QList<RightsRow> table = [] {
        QList<RightsRow> rows = {
            // Main window.
            {"TForm1", "wcom0", R::Show, false, true},
            {"TForm1", "wcom1", R::Show, false, true},
            {"TForm1", "wcom2", R::Show, false, true},
            {"TForm1", "Lwcom", R::Show, false, true},
            {"TForm1", "menuUlozVse", R::Enable, false, true},
            {"TForm1", "menuUlozVseMimoEth", R::Enable, false, true},
            {"TForm1", "menuZmenaHesla", R::Enable, true, true},
            {"TForm1", "LButtU", R::Enable, false, true},
            {"TForm1", "BNahrajVybrane", R::Enable, false, true},
            // The pages' upload buttons and the clock's "Pošli".
            {"TFvstupy", "LButtU", R::Enable, false, true},
            {"TFvystupy", "LButtU", R::Enable, false, true},
            {"TFavystup", "LButtU", R::Enable, false, true},
            {"TFrezim", "LButtU", R::Enable, false, true},
            {"TFrezim", "LButtPC", R::Enable, false, true},
            {"TFquel5", "LButtU", R::Enable, false, true},
            {"TFtermostaty", "LButtU", R::Enable, false, true},
            {"TFvrele", "LButtU", R::Enable, false, true},
        };
        // The unit's commands: the service panel shows its requests that need an
        // administrator to one only; the status window enables its actions by their rights.
        for (const unit::Command& c : unit::commands()) {
            if (c.needs == Rights::Nobody)
                continue;
            const bool action = c.group == unit::Group::Action;
            rows.append({action ? "TFstav" : "TForm1", c.objectName, action ? R::Enable : R::Show,
                         c.needs == Rights::User, true});
        }
        return rows;
    }();
    return table;
}

void applyRightsTable(const QList<QWidget*>& windows, Rights rights) {
    for (const RightsRow& row : rightsTable()) {
        const bool on =
            (rights == Rights::User && row.forUser) || (rights == Rights::Admin && row.forAdmin);
        for (QWidget* window : windows) {
            if (window->objectName() != QLatin1String(row.window))
                continue;
            const QString name = QString::fromLatin1(row.control);
            for (QAction* action : window->findChildren<QAction*>(name))
                (row.effect == RightsRow::Show ? action->setVisible(on) : action->setEnabled(on));
            for (QWidget* widget : window->findChildren<QWidget*>(name))
                (row.effect == RightsRow::Show ? widget->setVisible(on) : widget->setEnabled(on));
        }
    }
}
