#!/usr/bin/env python3
"""Reads a written study report with python-docx, a reader independent of the
program, and checks that it opens and holds its texts and its 13 tables.

The sample report has every box's own name as its text (tests/test_word_report.cpp,
sampleReportForReaders)."""
import sys

import docx

DESCRIPTION = ["Ο σταθμός βρίσκεται στο δώμα πενταώροφου κτιρίου.", "Οι κεραίες είναι σε δύο ιστούς.", "",
               "  Η περίφραξη απέχει 3 m.  "]

# (table of the report's 13, row, column) -> text, a few from each table.
CELLS = {
    (1, 1, 2): "on1", (1, 1, 3): "  <Ιστός & \"Β\">  ", (1, 3, 8): "nb_ant7", (1, 4, 8): "nb_ant7",
    (1, 9, 2): "h_edafous1", (1, 1, 1): "Ονομασία ιστού",
    (2, 1, 2): "aa_ant1", (2, 8, 5): "h_from_base4", (2, 20, 9): "p_ch8",
    (3, 1, 1): "Τομέας", (3, 2, 2): "sec1a", (3, 8, 5): "sec4g", (3, 16, 10): "sec9o",
    (4, 2, 2): "sg1", (4, 4, 2): "su1", (4, 1, 1): "Ζώνη", (6, 3, 2): "dd1", (9, 4, 2): "eu2", (11, 2, 2): "mg2",
    (12, 1, 2): "depps1", (12, 2, 2): "depps2", (13, 1, 2): "depps3", (13, 2, 2): "depps4",
    (13, 2, 1): "ΔΕΠΠΣ στην απόσταση 2",
}


def main(path):
    document = docx.Document(path)
    texts = [p.text for p in document.paragraphs]
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)

    check(texts[0] == "Μελέτη ηλεκτρομαγνητικής ακτινοβολίας", "the title comes first: %r" % texts[:1])
    headings = [p.text for p in document.paragraphs if p.style.name == "Heading 1"]
    check([h.split(".")[0] for h in headings] == ["1", "2", "3", "4", "5", "6"], "the six sections: %r" % headings)
    start = texts.index("5. Περιγραφή της εγκατάστασης") + 1
    check(texts[start:start + len(DESCRIPTION)] == DESCRIPTION, "the description: %r" % texts[start:start + 4])
    check(texts[start + len(DESCRIPTION)] == "6. Στοιχεία της εγκατάστασης και αποτελέσματα",
          "the tables follow the description")

    tables = document.tables
    check(len(tables) >= 13, "at least 13 tables, found %d" % len(tables))
    report_tables = tables[-13:]
    for (t, r, c), expected in CELLS.items():
        found = report_tables[t - 1].cell(r - 1, c - 1).text
        check(found == expected, "table %d cell (%d, %d): %r, expected %r" % (t, r, c, found, expected))
    check(len(report_tables[1].rows) == 20 and len(report_tables[1].columns) == 9, "table 2 is 20 x 9")
    check(len(report_tables[2].rows) == 16 and len(report_tables[2].columns) == 10, "table 3 is 16 x 10")

    for failure in failures:
        print("FAIL:", failure)
    print("%d passed, %d failed" % (len(CELLS) + 7 - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
