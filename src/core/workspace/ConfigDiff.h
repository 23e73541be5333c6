#pragma once

#include "image/ConfigImage.h"
#include "workspace/PageRegistry.h"

#include <QString>
#include <vector>

// A field whose shown value differs between two configurations: its page's title, where
// it stands ("X14 / Negace", "IP adresa") and both values as the windows show them. A
// field one side's rules do not show reads "(nezobrazeno)" there.
struct FieldChange {
    PageSlot slot;
    QString page;
    QString where;
    QString before;
    QString after;
};

// Every page of both images read as its window would read it, compared field by field,
// page by page in the registry's order.
std::vector<FieldChange> diffImages(const ConfigImage& before, const ConfigImage& after);

// "Výstupy / X14 / Negace: ano → ne", control characters made visible.
QString changeLine(const FieldChange& change);
