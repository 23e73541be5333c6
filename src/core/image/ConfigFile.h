#pragma once

#include "image/ConfigImage.h"

#include <QString>

// A .ql5 file is the raw image: 8000 bytes in address order, nothing else.

// Reads up to 8000 bytes from the start of the file into the image; a shorter file fills
// only its own length. Throws FileError, with the image unchanged, when the file cannot
// be read.
void readImageFile(const QString& path, ConfigImage& image);

// Writes the 8000 bytes from the start of the file through a temporary file, so a failed
// write never leaves half a file. Bytes an existing file has beyond 7999 are kept.
// Throws FileError. With keepTail false the file ends after the image.
void writeImageFile(const QString& path, const ConfigImage& image, bool keepTail = true);
