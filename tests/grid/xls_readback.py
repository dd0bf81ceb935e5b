"""Reads the sample workbooks of the grid back with xlrd, a reader written
elsewhere, and compares every cell, the sheet split, the column count and the
carried-over widths, heights, wrap and font with what the grid held."""
import io
import json
import os
import subprocess
import sys
import tempfile

import xlrd

SHEET_ROWS = 65536


def expected_sheets(rows):
    """Row 1 of the grid heads every sheet; the rows below fill the rest."""
    if not rows:
        return [[]]
    header, body = rows[0], rows[1:]
    step = SHEET_ROWS - 1
    chunks = [body[i:i + step] for i in range(0, len(body), step)] or [[]]
    return [[header] + chunk for chunk in chunks]


def check(path, grid):
    log = io.StringIO()
    book = xlrd.open_workbook(path, formatting_info=True, logfile=log)
    noise = [l for l in log.getvalue().splitlines() if "WARN" in l.upper() or "ERR" in l.upper()]
    assert not noise, noise
    assert book.font_list[0].name == grid["font"], book.font_list[0].name
    assert book.font_list[0].height == grid["size"] * 20
    sheets = expected_sheets(grid["rows"])
    assert book.nsheets == len(sheets), (book.nsheets, len(sheets))
    wrap = {tuple(rc) for rc in grid["wrap"]}
    first_body_row = 1
    for k, rows in enumerate(sheets):
        sheet = book.sheet_by_index(k)
        assert sheet.name == "Sheet%d" % (k + 1)
        assert sorted(sheet.colinfo_map) == list(range(grid["cols"])), "column count"
        for c, pixels in enumerate(grid["widths"]):
            assert abs(sheet.colinfo_map[c].width * 7 / 256 - pixels) <= 0.5, (c, pixels)
        def grid_row_of(r):
            return 0 if r == 0 else first_body_row + r - 1

        # A row is written when it holds text or a wrapped (blank) cell.
        filled = [r for r, row in enumerate(rows)
                  if any(row) or any((grid_row_of(r), c) in wrap for c in range(len(row)))]
        assert sheet.nrows == (filled[-1] + 1 if filled else 0), (sheet.nrows, len(rows))
        for r, row in enumerate(rows):
            grid_row = 0 if r == 0 else first_body_row + r - 1
            height = grid["heights"].get(str(grid_row))
            if height is not None:
                assert sheet.rowinfo_map[r].height == height * 15, (r, height)
            for c, text in enumerate(row):
                if not text:
                    if (grid_row, c) in wrap:
                        cell = sheet.cell(r, c)
                        assert cell.ctype == xlrd.XL_CELL_BLANK, (k, r, c, cell)
                        assert book.xf_list[cell.xf_index].alignment.text_wrapped, (k, r, c)
                    else:
                        assert c >= sheet.row_len(r) or sheet.cell_type(r, c) == xlrd.XL_CELL_EMPTY
                    continue
                cell = sheet.cell(r, c)
                assert cell.ctype == xlrd.XL_CELL_TEXT, (k, r, c, cell)
                assert cell.value == text, (k, r, c, cell.value[:40], text[:40])
                wrapped = book.xf_list[cell.xf_index].alignment.text_wrapped
                assert wrapped == ((grid_row, c) in wrap), (k, r, c)
        first_body_row += max(len(rows) - 1, 0)
    assert first_body_row == max(len(grid["rows"]), 1), "rows lost between sheets"
    return book.nsheets


def main():
    samples_program = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([samples_program, folder], check=True)
        names = sorted(f[:-5] for f in os.listdir(folder) if f.endswith(".json"))
        assert len(names) == 7, names
        for name in names:
            with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
                grid = json.load(f)
            sheets = check(os.path.join(folder, name + ".xls"), grid)
            print("%s: %d sheet(s), %d rows, %d columns: equal" %
                  (name, sheets, len(grid["rows"]), grid["cols"]))


if __name__ == "__main__":
    main()
