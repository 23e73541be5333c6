#pragma once

#include "link/Login.h"

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
    bool forUser;  // enabled or shown for a user
    bool forAdmin; // enabled or shown for an administrator
};

const QList<RightsRow>& rightsTable();

// Sets every control of the table in the given windows for the rights (anything but a
// user or an administrator counts as nobody).
void applyRightsTable(const QList<QWidget*>& windows, Rights rights);
