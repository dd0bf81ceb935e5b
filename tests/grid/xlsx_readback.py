"""Reads the sample grids saved as .xlsx back with openpyxl, a reader written
elsewhere: every cell's text, the sheet split with the header repeated (on a
small injected sheet limit, and at the real one), the widths, heights, wrap
and font carried over from the grid."""
import json
import os
import re
import subprocess
import sys
import tempfile

import openpyxl
from openpyxl.utils import get_column_letter

SHEET_ROWS = 1048576


def shown(value):
    """The text as Excel shows it: "_xHHHH_" is the character HHHH."""
    return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), value or "")


def expected_sheets(rows, limit):
    if not rows:
        return [[]]
    step = limit - 1
    chunks = [rows[1:][i:i + step] for i in range(0, len(rows) - 1, step)] or [[]]
    return [[rows[0]] + chunk for chunk in chunks]


def check(path, grid):
    book = openpyxl.load_workbook(path)
    sheets = expected_sheets(grid["rows"], grid.get("sheetRows", SHEET_ROWS))
    assert book.sheetnames == ["Sheet%d" % (k + 1) for k in range(len(sheets))], book.sheetnames
    wrap = {tuple(rc) for rc in grid["wrap"]}
    grid_row = 0  # the grid row (from 1, less one) of each sheet's second row, less one
    for k, rows in enumerate(sheets):
        sheet = book.worksheets[k]
        for c, pixels in enumerate(grid["widths"]):
            width = sheet.column_dimensions[get_column_letter(c + 1)].width
            assert abs(width * 7 - pixels) <= 0.5, (k, c, width, pixels)
        for r, row in enumerate(rows):
            at = 0 if r == 0 else grid_row + r
            height = grid["heights"].get(str(at))
            if height is not None:
                assert sheet.row_dimensions[r + 1].height == height * 0.75, (k, r, height)
            for c, text in enumerate(row):
                cell = sheet.cell(r + 1, c + 1)
                wrapped = (at, c) in wrap
                if not text and not wrapped:
                    assert cell.value is None, (k, r, c, cell.value)
                    continue
                assert shown(cell.value) == text, (k, r, c, str(cell.value)[:40], text[:40])
                assert cell.data_type == "s" or not text, (k, r, c, cell.data_type)
                assert bool(cell.alignment.wrap_text) == wrapped, (k, r, c)
                assert (cell.font.name, cell.font.sz) == (grid["font"], grid["size"]), (k, r, c)
        grid_row += max(len(rows) - 1, 0)
    assert grid_row == max(len(grid["rows"]) - 1, 0), "rows lost between sheets"
    return len(sheets)


def check_tallest(path):
    """One row past a sheet: a second sheet holds the header and that row."""
    book = openpyxl.load_workbook(path, read_only=True)
    last = SHEET_ROWS + 1  # the grid row left over
    assert book.sheetnames == ["Sheet1", "Sheet2"] and book.worksheets[0].max_row == SHEET_ROWS
    assert [[c.value for c in row] for row in book.worksheets[1].iter_rows()] == [
        ["年月日时", "气温", "天气现象"], [str(2008000000 + last), str(last % 400 - 200), None]]


def main():
    samples_program = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([samples_program, folder, "--xlsx"], check=True)
        names = sorted(f[:-5] for f in os.listdir(folder) if f.endswith(".json"))
        assert len(names) == 8, names
        for name in names:
            with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
                sheets = check(os.path.join(folder, name + ".xlsx"), json.load(f))
            print("%s: %d sheet(s): equal" % (name, sheets))
        check_tallest(os.path.join(folder, "tallest.xlsx"))
        print("tallest: 2 sheets, the header repeated: equal")


if __name__ == "__main__":
    main()
