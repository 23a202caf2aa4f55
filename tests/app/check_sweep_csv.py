#!/usr/bin/env python3
"""Reads `vevi sweep` CSV from standard input with the csv module and checks that every cell
after the region and place columns parses as a float. Prints the counts; exits 1 otherwise."""
import csv
import sys

rows = list(csv.reader(sys.stdin))
header, body = rows[0], rows[1:]
bad = []
cells = 0
for row in body:
    if len(row) != len(header):
        bad.append(("row length", row[:2]))
        continue
    for name, cell in zip(header[2:], row[2:]):
        cells += 1
        try:
            float(cell)
        except ValueError:
            bad.append((name, row[:2], cell))
print(f"{len(body)} rows, {len(header)} columns, {cells} number cells, "
      f"{cells - len(bad)} parse as float, {len(bad)} do not")
for b in bad[:10]:
    print("not a number:", b)
sys.exit(1 if bad or not body else 0)
