#pragma once

// What the suite run over every page needs to know of each: written from the pages'
// descriptions of the memory, not from their code.

#include "image/ConfigImage.h"
#include "image/Page.h"
#include "workspace/PageRegistry.h"

#include <memory>
#include <vector>

// A pattern that differs from byte to byte and from region to region.
inline ConfigImage patternImage() {
    ConfigImage image;
    for (int a = 0; a < mem::ImageSize; ++a)
        image[a] = std::uint8_t((a * 7 + 3) & 0xFF);
    return image;
}

inline void putText(ConfigImage& image, int at, const char* text) {
    image.copyIn(at, int(qstrlen(text)) + 1, reinterpret_cast<const std::uint8_t*>(text));
}

// Each page's traits:
//   slot                  the registry row
//   initial()             the image a fresh gather writes into zeros
//   patterned()           a pattern the page can show
//   carried()             bytes of patterned() that no control edits
//   refuse(page, image)   makes the next gather refuse (image is what was scattered)
