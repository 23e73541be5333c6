#!/usr/bin/env python3
"""The baseline for quel5ctl stations: the same decode, filter and sort of a station list
in a plain script, printing the same tab-separated rows."""
import fnmatch
import sys


def counted(record, at, capacity):
    length = min(record[at], capacity)
    return record[at + 1:at + 1 + length].decode("cp1250", errors="replace")


def main():
    path, pattern = sys.argv[1], sys.argv[2]
    data = open(path, "rb").read()
    rows = []
    for i, at in enumerate(range(3, len(data) - 90, 91)):
        r = data[at:at + 91]
        rows.append((i + 1, counted(r, 0, 16), counted(r, 17, 50), counted(r, 68, 16),
                     r[85] | (r[86] << 8), r[87], r[88]))
    alternatives = pattern.split("|")
    shown = [row for row in rows
             if any(fnmatch.fnmatchcase(row[1].upper(), a.upper()) for a in alternatives)]
    shown.sort(key=lambda row: row[1].casefold())
    out = sys.stdout
    for row in shown:
        out.write("\t".join(str(c) for c in row) + "\t0\n")


if __name__ == "__main__":
    main()
