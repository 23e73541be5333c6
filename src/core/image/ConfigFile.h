#pragma once

#include "image/ConfigImage.h"

#include <QString>

// A .ql5 file is the raw image: 8000 bytes in address order, nothing else.

// Reads up to 8000 bytes from the start of the file into the image; a shorter file fills
// only its own length. Returns the number of bytes read. Throws FileError, with the image
// unchanged, when the file cannot be read or is no regular file (a folder, a pipe or a
// device would block or mean nothing).
qint64 readImageFile(const QString& path, ConfigImage& image);

// Throws FileError unless path names a regular file (or, with mayBeMissing, nothing yet).
void requireRegularFile(const QString& path, bool mayBeMissing);

// Writes the 8000 bytes from the start of the file through a temporary file, so a failed
// write never leaves half a file. Bytes an existing file has beyond 7999 are kept.
// Throws FileError. With keepTail false the file ends after the image.
void writeImageFile(const QString& path, const ConfigImage& image, bool keepTail = true);
