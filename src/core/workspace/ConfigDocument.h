#pragma once

#include "image/ConfigImage.h"
#include "workspace/PageModels.h"
#include "workspace/PageRegistry.h"
#include "workspace/Report.h"

#include <QJsonObject>

// What opening and saving makes of an image.
ConfigImage savedImage(const ConfigImage& image);

// The pages as a JSON object: each page's fields under its title, a row's fields under
// the row, values as the windows show them (true/false, numbers, item texts, null for no
// selection).
QJsonObject shownDocument(const std::vector<ShownPage>& pages);

// The configuration of an image as a document to keep in version control, review and
// write by script: shownDocument of what a save would store, and under "Ostatní bajty"
// the bytes no field gives (runs of hex by address), so that importing it gives the
// saved image byte for byte.
QJsonObject exportDocument(const ConfigImage& image);

// The image a document describes: its "Ostatní bajty" over a blank image, then its fields
// set as a user would set them in the windows, then everything gathered. Throws
// OperationError naming the page and field of the first thing it cannot take: an unknown
// page or field, a value of the wrong kind or out of range, a relay that does not compile.
// What a save would warn about as well (more than 16 timers) goes to warnings.
ConfigImage importDocument(const QJsonObject& document, QStringList* warnings = nullptr);

// The document in a JSON text: an object in which no object names a member twice (a page
// or field given twice would leave one of them unread). Throws OperationError saying what
// is wrong and where.
QJsonObject parseDocument(const QByteArray& json);
