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

// The pages as a program reads them: "_format" 2 at the top, then each page under its
// quel5ctl name with its fields by key (the controls' object names), list values by the
// keys of their texts (asciiKey), null for no selection. No word of it changes with the
// language the tool speaks.
QJsonObject keyedDocument(const std::vector<ShownPage>& pages);

// The configuration of an image as a document to keep in version control, review and
// write by script: keyedDocument of what a save would store, and under "rest-bytes" the
// bytes no field gives (runs of hex by address), so that importing it gives the saved
// image byte for byte.
QJsonObject exportDocument(const ConfigImage& image);
// exportDocument written to a file as `quel5ctl export` writes it, through a temporary
// file. Throws FileError.
void writeDocumentFile(const QString& path, const ConfigImage& image);

// The image a document describes, keyed or of the first form (captions as keys, the rest
// under "Ostatní bajty", as documents were written before): its rest over a blank image, then its
// fields set as a user would set them in the windows, then everything gathered. Throws
// OperationError naming the page and field of the first thing it cannot take: an unknown
// page or field, a value of the wrong kind or out of range, a relay that does not compile.
// What a save would warn about as well (more than 16 timers) goes to warnings.
ConfigImage importDocument(const QJsonObject& document, QStringList* warnings = nullptr);

// The document in a JSON text: an object in which no object names a member twice (a page
// or field given twice would leave one of them unread). Throws OperationError saying what
// is wrong and where.
QJsonObject parseDocument(const QByteArray& json);
