"""End-to-end check of the .xlsx workbooks and of number cells.

Converts copies of the sample A files into both workbooks four ways: .xls and
.xlsx, each with and without --numbers. The plain .xls workbook (xlrd) is the
reference: the plain .xlsx one (openpyxl) holds the same text and wrap in
every cell; with --numbers both readers see a number exactly where the text
is a plain decimal number, and that number in the cell's format gives back
the text.
"""
import os
import re
import sys

import openpyxl
import xlrd

from check_support import converted_samples, check, report

PLAIN_DECIMAL = re.compile(r"-?(0|[1-9][0-9]*)(\.[0-9]+)?")


def is_plain_decimal(text):
    digits = text.lstrip("-").replace(".", "").lstrip("0")
    negative_zero = text.startswith("-") and not digits
    return bool(PLAIN_DECIMAL.fullmatch(text)) and not negative_zero and len(digits) <= 15


def shown(value, number_format):
    """The text a spreadsheet shows for value in the format "0", "0.0", ..."""
    decimals = len(number_format) - 2 if "." in number_format else 0
    expected_format = "0" + ("." + "0" * decimals if decimals else "")
    return "%.*f" % (decimals, value) if number_format == expected_format else None


def read_xls(path):
    """Per sheet {(row, col): (value, number format, wrapped)}; blank cells hold ""."""
    book = xlrd.open_workbook(path, formatting_info=True)
    sheets = []
    for sheet in book.sheets():
        cells = {}
        for r in range(sheet.nrows):
            for c, cell in enumerate(sheet.row(r)):
                if cell.ctype != xlrd.XL_CELL_EMPTY:
                    xf = book.xf_list[cell.xf_index]
                    cells[(r, c)] = (cell.value, book.format_map[xf.format_key].format_str,
                                     bool(xf.alignment.text_wrapped))
        sheets.append(cells)
    return sheets


def read_xlsx(path):
    return [{(cell.row - 1, cell.column - 1): ("" if cell.value is None else cell.value,
                                               cell.number_format, bool(cell.alignment.wrap_text))
             for row in sheet.iter_rows() for cell in row
             if cell.value is not None or cell.has_style}
            for sheet in openpyxl.load_workbook(path).worksheets]


def converted(*options):
    """{book: sheets} of both workbooks converted with the options."""
    xlsx = "xlsx" in options
    with converted_samples("--hourly", "h", "--stats", "s", *options) as (work, _):
        return {book: (read_xlsx if xlsx else read_xls)(
                    os.path.join(work, book + (".xlsx" if xlsx else ".xls"))) for book in "hs"}


def compare(label, reference, book, numbers):
    """Counts the number cells; text cells keep their text, every cell its wrap."""
    check(len(book) == len(reference), label + ": sheet count")
    count = 0
    for k, (want, got) in enumerate(zip(reference, book)):
        check(want.keys() == got.keys(), "%s sheet %d: other cells written" % (label, k))
        for at, (text, _, wrapped) in want.items():
            value, fmt, wrapped_now = got.get(at, (None, None, None))
            number = numbers and is_plain_decimal(text)
            count += number
            ok = shown(value, fmt) == text if number else value == text
            check(ok and isinstance(value, str) != number and wrapped_now == wrapped,
                  "%s %d %s: %r became %r in %r" % (label, k, at, text, value, fmt))
    return count


def main():
    reference = converted()
    for options in (("--format", "xlsx"), ("--numbers",), ("--format", "xlsx", "--numbers")):
        books = converted(*options)
        for name in "hs":
            label = "%s %s" % (name, " ".join(options))
            count = compare(label, reference[name], books[name], "--numbers" in options)
            check(count > 1000 or "--numbers" not in options, "%s: %d numbers" % (label, count))
            print("%s: every cell as the .xls one, %d number cells" % (label, count))
    return report()


if __name__ == "__main__":
    sys.exit(main())
