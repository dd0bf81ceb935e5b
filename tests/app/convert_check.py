"""End-to-end check of the timed-record workbook.

Converts copies of the sample A files with quillon-cli, opens the workbook
with xlrd and checks every cell against the decoded tables that
`quillon-cli dump` prints: labels, hour rows, four-time and one-value
elements, timed rain, wind split, weather names, widths and wrap text.
"""
import json
import os
import subprocess
import sys

import xlrd

from check_support import CLI, catalogue, converted_samples, check, failures, report


# The element catalogue as the program lists it: names in list order, the
# table each column comes from and how the column is made.
CATALOGUE = catalogue()
ELEMENTS = [e["name"] for e in CATALOGUE]
assert len(ELEMENTS) == 28 and ELEMENTS[0] == "本站气压" and ELEMENTS[-1] == "日照时数"
KIND = {e["name"]: (e["table"], e["timed"]) for e in CATALOGUE}
NAMES = set("露 霜 结冰 烟幕 霾 浮尘 扬沙 尘卷风 轻雾 闪电 极光 大风 积雪 雷暴 飑 龙卷 沙尘暴 吹雪 雪暴 雾 "
            "雾凇 毛毛雨 雨凇 雨 雨夹雪 雪 冰针 米雪 冰粒 阵雨 阵性雨夹雪 阵雪 霰 冰雹".split())
HOURS = [21, 22, 23, 24] + list(range(1, 21))


def dump(path, table):
    """Day -> {slot: text} of a decoded table."""
    out = subprocess.run([CLI, "dump", path, table], capture_output=True, check=True).stdout
    first = 0 if table in ("TableK", "TableK2", "TableK3", "TableL", "TableW") else 1
    rows = {}
    for line in out.decode("utf-8").split("\n"):
        if not line or line.startswith("#"):
            continue
        cells = line.split("\t")
        rows[int(cells[0])] = {first + i: c for i, c in enumerate(cells[1:])}
    return rows


def field(text, n):
    parts = ("/" + text.strip()).split("/")
    return parts[n] if n < len(parts) else ""


def expected_column(path, name, days):
    """24 x days texts of one element column."""
    table, timed = KIND[name]
    if timed == "none":
        return [""] * (24 * days)
    if timed == "phenomena":
        return None  # names per hour are checked separately
    if timed == "timed-rain":
        r = dump(path, table)
        col = []
        for d in range(1, days + 1):
            for s in range(1, 25):
                col.append(r[d].get(1, "") if s == 12 else r[d].get(2, "") if s == 24 else "")
        return col
    if timed in ("wind-direction", "wind-speed"):
        part = 1 if timed == "wind-direction" else 2
        t = dump(path, table)
        last = max(t[1]) if t and t[1] else 0
        col = []
        for d in range(1, days + 1):
            for s in range(1, 25):
                if last >= 24:
                    col.append(field(t[d].get(s, ""), part))
                elif s % 6 == 0 and s // 6 <= last:
                    col.append(field(t[d].get(s // 6, ""), part))
                else:
                    col.append("")
        return col
    t = dump(path, table)
    last = max(t[1]) if t and t[1] else 0
    col = []
    for d in range(1, days + 1):
        for s in range(1, 25):
            if last >= 24:
                col.append(t[d].get(s, ""))
            elif last == 1:
                col.append(t[d].get(1, "") if s == 18 else "")
            elif last > 1 and s % 6 == 0 and s // 6 <= last:
                col.append(t[d].get(s // 6, ""))
            else:
                col.append("")
    return col


def width_for(name):
    n = len(name)
    return 50 if n <= 3 else 60 if n == 4 else 65 if n == 5 else 90


def main():
    with converted_samples("--hourly", "hourly", "--hourly-elements", "all") as (work, names):
        book = xlrd.open_workbook(os.path.join(work, "hourly.xls"), formatting_info=True)
        sheet = book.sheet_by_index(0)
        check(sheet.row_values(0) == ["年月日时"] + ELEMENTS, "header row %r" % sheet.row_values(0))
        widths = {c: info.width for c, info in sheet.colinfo_map.items()}
        check(len({widths.get(ELEMENTS.index(n) + 1) for n in ("气温", "云状")}) == 1, "equal widths")
        check(widths.get(ELEMENTS.index("海平面气压") + 1) != widths.get(ELEMENTS.index("气温") + 1),
              "width follows the header length")
        check(widths.get(ELEMENTS.index("2分钟平均风向") + 1) == widths.get(0), "90-pixel columns alike")
        row = 1
        for f in names:
            path = os.path.join(work, f)
            info = subprocess.run([CLI, "info", "--json", path], capture_output=True)
            header = json.loads(info.stdout)[0]
            days, year, month = header["DaysInMonth"], header["Year"], header["Month"]
            labels = sheet.col_values(0, row, row + 24 * days)
            want = ["%s%s%02d %02d" % (year, month, 1 + o // 24, HOURS[o % 24]) for o in range(24 * days)]
            check(labels == want, "%s: labels differ" % f)
            for j, name in enumerate(ELEMENTS, start=1):
                expected = expected_column(path, name, days)
                got = sheet.col_values(j, row, row + 24 * days)
                if expected is not None:
                    bad = [i for i in range(len(got)) if got[i] != expected[i]]
                    check(not bad, "%s %s: %d cells differ, first at %s: %r != %r" % (
                        f, name, len(bad), labels[bad[0]] if bad else "", got[bad[0]] if bad else "",
                        expected[bad[0]] if bad else ""))
            weather = [KIND[n][1] for n in ELEMENTS].index("phenomena") + 1
            shown = [c for c in sheet.col_values(weather, row, row + 24 * days) if c]
            check(shown, "%s: no weather names shown" % f)
            for cell in shown:
                check(all(n in NAMES for n in cell.split(",")), "%s: weather cell %r" % (f, cell))
            for r in range(row, row + 24 * days):
                xf = book.xf_list[sheet.cell_xf_index(r, weather)]
                if not xf.alignment.text_wrapped:
                    failures.append("%s: weather cell at row %d not wrapped" % (f, r))
                    break
            row += 24 * days
        check(sheet.nrows == row, "rows %d, expected %d (no separator rows)" % (sheet.nrows, row))
    return report()


if __name__ == "__main__":
    sys.exit(main())
