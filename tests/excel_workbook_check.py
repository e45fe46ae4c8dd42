#!/usr/bin/env python3
"""Reads an exported workbook back with openpyxl, independently of the program,
and compares it with the template it was filled from.

The study it expects is the one the export test types: every box holds its own
name, the bands and sectors given are ticked, the emptied sectors' boxes are
empty. Each mapped cell must hold its text as a string, every other cell of
every sheet must be as in the template, styles included. Exit status 0 when the
workbook is as expected; otherwise each difference is printed.
"""
import argparse
import sys
from copy import copy

import openpyxl
from openpyxl.utils import get_column_letter

BANDS = ["gsm", "dcs", "umts"]

# Band block: per quantity, the cell and box of GSM-900, DCS-1800, UMTS-2100.
BAND_BLOCK = [
    [("H68", "pgsm"), ("H77", "pdcs"), ("H86", "pumts")],
    [("H69", "gmlgsm"), ("H78", "gmldcs"), ("H87", "gmlumts")],
    [("H70", "gslgsm"), ("H79", "gsldcs"), ("H88", "gslumts")],
    [("H118", "sg1"), ("H119", "sd1"), ("H120", "su1")],
    [("H122", "sg2"), ("H123", "sd2"), ("H124", "su2")],
    [("H129", "eg1"), ("H130", "ed1"), ("H131", "eu1")],
    [("H133", "eg2"), ("H134", "ed2"), ("H135", "eu2")],
    [("H140", "mg1"), ("H141", "md1"), ("H142", "mu1")],
    [("H144", "mg2"), ("H145", "md2"), ("H146", "mu2")],
    [("H167", "dg1"), ("H168", "dd1"), ("H169", "du1")],
    [("H174", "dg2"), ("H175", "dd2"), ("H176", "du2")],
]
# Written in every export, whatever the bands.
ALWAYS = [("B98", "dp1"), ("B106", "dp2"), ("H154", "depps1"), ("H155", "depps2"),
          ("H157", "depps3"), ("H158", "depps4")]
# Field a of sectors 1 to 9; fields b to o follow down the column.
SECTOR_TOPS = ["M207", "N207", "O207", "M226", "N226", "O226", "M244", "N244", "O244"]
FIELDS = "abcdefghijklmno"


def expected_cells(bands, sectors, emptied):
    cells = {}
    for row in BAND_BLOCK:
        for band, (cell, box) in zip(BANDS, row):
            cells[cell] = box if band in bands else "Εκτός μελέτης."
    for cell, box in ALWAYS:
        cells[cell] = box
    for number, top in enumerate(SECTOR_TOPS, start=1):
        column, first = top[0], int(top[1:])
        for offset, field in enumerate(FIELDS):
            if number not in sectors:
                text = "-"
            elif number in emptied:
                text = ""
            else:
                text = "sec%d%s" % (number, field)
            cells["%s%d" % (column, first + offset)] = text
    return cells


def style_of(cell):
    # Plain copies: the proxies openpyxl hands out do not compare by value.
    return (cell.number_format, copy(cell.font), copy(cell.fill), copy(cell.border), copy(cell.alignment),
            copy(cell.protection))


def numbers(text):
    return [int(n) for n in text.split(",") if n]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("filled")
    parser.add_argument("template")
    parser.add_argument("--bands", default="")
    parser.add_argument("--sectors", default="")
    parser.add_argument("--emptied", default="")
    args = parser.parse_args()
    bands = [b for b in args.bands.split(",") if b]
    expected = expected_cells(bands, numbers(args.sectors), numbers(args.emptied))

    # Opened as files: openpyxl judges a name by its extension, and the template
    # keeps its old name "Radiation_report.XLS" for a SpreadsheetML package.
    with open(args.filled, "rb") as f:
        filled = openpyxl.load_workbook(f)
    with open(args.template, "rb") as f:
        template = openpyxl.load_workbook(f)
    problems = []
    if filled.sheetnames != template.sheetnames:
        problems.append("sheets %s, template %s" % (filled.sheetnames, template.sheetnames))
    if filled.active.title != template.active.title:
        problems.append("active sheet %s, template %s" % (filled.active.title, template.active.title))

    for sheet, original in zip(filled.worksheets, template.worksheets):
        mapped = expected if original.title == template.active.title else {}
        rows = max(sheet.max_row, original.max_row)
        columns = max(sheet.max_column, original.max_column)
        for row in range(1, rows + 1):
            for column in range(1, columns + 1):
                ref = "%s%d" % (get_column_letter(column), row)
                got, was = sheet.cell(row, column), original.cell(row, column)
                if ref in mapped:
                    if got.value != mapped[ref] or got.data_type != "s":
                        problems.append("%s!%s holds %r (%s), expected the string %r"
                                        % (sheet.title, ref, got.value, got.data_type, mapped[ref]))
                elif got.value != was.value or got.data_type != was.data_type:
                    problems.append("%s!%s holds %r, template %r" % (sheet.title, ref, got.value, was.value))
                if style_of(got) != style_of(was):
                    problems.append("%s!%s changed its style" % (sheet.title, ref))
        widths = {k: d.width for k, d in sheet.column_dimensions.items()}
        original_widths = {k: d.width for k, d in original.column_dimensions.items()}
        if widths != original_widths:
            problems.append("%s: column widths changed" % sheet.title)
        if sheet.merged_cells.ranges != original.merged_cells.ranges:
            problems.append("%s: merged cells changed" % sheet.title)

    for problem in problems[:50]:
        print(problem)
    if len(problems) > 50:
        print("... and %d more" % (len(problems) - 50))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
