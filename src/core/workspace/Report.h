#pragma once

#include "image/Page.h"
#include "workspace/PageRegistry.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class Workspace;

// A page as a reader without its window sees it: its title and its fields, each row's
// fields together where the row first appears.
struct ShownPage {
    QString title;
    QString key; // the page's quel5ctl name, its key in a document
    std::vector<ShownField> fields;
};
// Every page that shows something, in the registry's order.
std::vector<ShownPage> shownPages(Workspace& workspace);
std::vector<ShownPage> shownPages(const std::function<const Page&(PageSlot)>& pageOf);
// A shown value as text: "ano"/"ne", one decimal, "(nevybráno)" for no selection.
QString shownText(const QVariant& value);
// "Row / Caption: value", control characters made visible.
QString shownLine(const ShownField& field);

// What the printed report holds, built from the pages as the last gather left them.
struct Report {
    QString title; // the tool, the configuration file and the date
    // T1-T16 by position: the label "Typ k: t" and the type, or an empty label and 0.
    struct ThermostatRow {
        QString label;
        int type = 0;
    };
    std::array<ThermostatRow, 16> thermostats;
    QStringList relays; // "R3: V1 & T2" for each relay 1-16 that holds a program
    std::vector<ShownPage> pages;
};
// The report of what the workspace's pages hold; file is the configuration's path (may
// be empty).
Report buildReport(Workspace& workspace, const QString& file, const QDate& date);
