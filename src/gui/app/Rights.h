#pragma once

#include <QList>
#include <QString>

class QWidget;

// Which controls follow the login rights, in every window. Controls are reached by window
// and control object name, so the rows for windows that are not built yet simply find
// nothing until those windows arrive.
struct RightsRow {
    enum Effect { Enable, Show };
    const char* window;
    const char* control;
    Effect effect;
    bool forUser;  // enabled or shown at level 1
    bool forAdmin; // enabled or shown at level 2
};

const QList<RightsRow>& rightsTable();

// Sets every control of the table for the level (1 user, 2 administrator, anything
// else nobody) in the given windows.
void applyRightsTable(const QList<QWidget*>& windows, int level);
