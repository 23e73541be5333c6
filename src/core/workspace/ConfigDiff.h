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

// Every page of both images read as its window would read it (each image as a save would
// store it), compared field by field, page by page in the registry's order. Bytes a page
// uploads that differ where no shown field says so follow the page's fields as one change,
// "Ostatní bajty 388, 391": so no change means an upload would change nothing.
std::vector<FieldChange> diffImages(const ConfigImage& before, const ConfigImage& after);

// "Výstupy / X14 / Negace: ano → ne", control characters made visible.
QString changeLine(const FieldChange& change);
