#pragma once

#include "image/FieldPage.h"

// Short ways to write a page's field table. Names built from a stem and a row number
// ("inp" + 3) are kept for the life of the program.
namespace fields {

const char* name(const char* stem, int row, int digits = 1);

FieldSpec bit(const char* name, const char* row, const char* caption, int at, int bit,
              int size = 1);
FieldSpec number(const char* name, const char* row, const char* caption, int at, int size, int min,
                 int max, int initial);
FieldSpec list(const char* name, const char* row, const char* caption, int at,
               const QStringList& items, int initial);
FieldSpec tenths(const char* name, const char* row, const char* caption, int at, int min, int max,
                 double initial);
// A description slot: caption "Popis", at most 19 characters.
FieldSpec description(const char* name, const char* row, int slotAddress);

// A page's table, the same for every instance of the page: built on first use, once,
// also when several workspaces are made side by side.
template <std::vector<FieldSpec> (*Build)()> const std::vector<FieldSpec>& builtOnce() {
    static const std::vector<FieldSpec> table = Build();
    return table;
}

// "1".."n" with a prefix: numbered("T", 16) is T1..T16.
QStringList numbered(const QString& prefix, int count);

} // namespace fields
