"""End-to-end check of the .xlsx workbooks and of number cells.

Converts copies of the sample A files into both workbooks four ways: .xls and
.xlsx, each with and without --numbers. The plain .xls workbook, read with
xlrd, is the reference: the plain .xlsx one (read with openpyxl) shows the
same text and wrap in every cell. With --numbers both readers see a number
exactly where the text is a plain decimal number, and that number written
with the cell's format gives back the text; every other cell is unchanged.
"""
import os
import re
import sys

import openpyxl
import xlrd

from check_support import converted_samples, check, report

BOOKS = ("hourly", "stats")
PLAIN_DECIMAL = re.compile(r"-?(0|[1-9][0-9]*)(\.[0-9]+)?")


def is_plain_decimal(text):
    if not PLAIN_DECIMAL.fullmatch(text):
        return False
    digits = text.lstrip("-").replace(".", "").lstrip("0")
    negative_zero = text.startswith("-") and not digits
    return not negative_zero and len(digits) <= 15


def shown(value, number_format):
    """The text a spreadsheet shows for value in a format "0", "0.0", ..."""
    decimals = len(number_format) - 2 if "." in number_format else 0
    if number_format != "0" + ("." + "0" * decimals if decimals else ""):
        return None
    return "%.*f" % (decimals, value)


def read_xls(path):
    """Per sheet, {(row, col): (kind, value, format, wrapped)} of the cells written."""
    book = xlrd.open_workbook(path, formatting_info=True)
    sheets = []
    for sheet in book.sheets():
        cells = {}
        for r in range(sheet.nrows):
            for c in range(sheet.row_len(r)):
                cell = sheet.cell(r, c)
                if cell.ctype == xlrd.XL_CELL_EMPTY:
                    continue
                xf = book.xf_list[cell.xf_index]
                kind = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number"}.get(
                    cell.ctype, "blank")
                fmt = book.format_map[xf.format_key].format_str
                cells[(r, c)] = (kind, cell.value, fmt, bool(xf.alignment.text_wrapped))
        sheets.append(cells)
    return sheets


def read_xlsx(path):
    book = openpyxl.load_workbook(path)
    sheets = []
    for sheet in book.worksheets:
        cells = {}
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None and not cell.has_style:
                    continue
                kind = "text" if cell.data_type == "s" else "number" if cell.value is not None \
                    else "blank"
                value = cell.value if cell.value is not None else ""
                cells[(cell.row - 1, cell.column - 1)] = (
                    kind, value, cell.number_format, bool(cell.alignment.wrap_text))
        sheets.append(cells)
    return sheets


def texts(sheets):
    return [{at: (v, wrapped) for at, (kind, v, _, wrapped) in cells.items() if kind != "blank"}
            for cells in sheets]


def check_numbers(label, plain, numbered):
    check(len(plain) == len(numbered), "%s: sheet count" % label)
    numbers = 0
    for k, (want, got) in enumerate(zip(plain, numbered)):
        check(want.keys() == got.keys(), "%s sheet %d: other cells written" % (label, k))
        for at, (_, text, _, wrapped) in want.items():
            kind, value, fmt, wrapped_now = got.get(at, (None, None, None, None))
            if is_plain_decimal(text):
                numbers += 1
                ok = kind == "number" and shown(value, fmt) == text
                check(ok, "%s %d %s: %r shows as %r in %r" % (label, k, at, text, value, fmt))
            else:
                check(kind == "text" and value == text or kind == "blank" and text == "",
                      "%s %d %s: %r became %r" % (label, k, at, text, value))
            check(wrapped_now == wrapped, "%s %d %s: wrap" % (label, k, at))
    return numbers


def converted(*options):
    with converted_samples("--hourly", "hourly", "--stats", "stats", *options) as (work, _):
        extension = ".xlsx" if "xlsx" in options else ".xls"
        reader = read_xlsx if extension == ".xlsx" else read_xls
        return {book: reader(os.path.join(work, book + extension)) for book in BOOKS}


def main():
    reference = converted()
    xlsx = converted("--format", "xlsx")
    for book in BOOKS:
        check(texts(xlsx[book]) == texts(reference[book]), "%s.xlsx: texts or wrap differ" % book)
    for options in (("--numbers",), ("--format", "xlsx", "--numbers")):
        numbered = converted(*options)
        for book in BOOKS:
            label = "%s %s" % (book, " ".join(options))
            numbers = check_numbers(label, reference[book], numbered[book])
            check(numbers > 1000, "%s: only %d number cells" % (label, numbers))
            print("%s: %d number cells" % (label, numbers))
    return report()


if __name__ == "__main__":
    sys.exit(main())
