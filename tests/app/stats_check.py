"""End-to-end check of the daily and monthly statistics workbook.

Converts copies of the sample A files with quillon-cli, opens the workbook
with xlrd and checks titles, the day and month rows of every file with their
labels, and a few columns of each family (means, extremes with their days,
totals, sunshine) against figures worked out here from the decoded tables
that `quillon-cli dump` prints, following the observers' rules: a daily mean
of the four main hours, at most 6 missing days a month, 5 missing hours a
day, none of the four times, halves rounded away from zero.
"""
import os
import shutil
import subprocess
import sys
import tempfile
from fractions import Fraction

import xlrd

CLI, SAMPLES = sys.argv[1], sys.argv[2]
TITLES = ["年月日", "日平均本站气压", "日最高本站气压", "日最低本站气压", "日平均海平面气压", "日平均气温",
          "日最高气温", "日最低气温", "日平均水汽压", "日平均相对湿度", "日最小相对湿度", "日平均总云量",
          "日平均低云量", "天气现象摘要", "日定时降水量", "日小时降水量", "日平均2分钟平均风速",
          "日平均10分钟平均风速", "日最大风速", "日最大风速的风向", "日极大风速", "日极大风速的风向",
          "日平均草面温度", "日最高草面温度", "日最低草面温度", "日平均地面温度", "日最高地面温度",
          "日最低地面温度", "日平均5cm地温", "日平均10cm地温", "日平均15cm地温", "日平均20cm地温",
          "日平均40cm地温", "日平均80cm地温", "日平均160cm地温", "日平均320cm地温", "日日照时数"]
MONTH_ROWS = ["月合计", "月平均", "月最高(大)", "月最高(大)出现时间", "月最低(小)", "月最低(小)出现时间"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def dump(path, table):
    """Day -> list of cells from slot 0 (a 1-based table gets an empty slot 0)."""
    out = subprocess.run([CLI, "dump", path, table], capture_output=True, check=True).stdout
    zero_based = table in ("TableK", "TableK2", "TableK3", "TableL", "TableW")
    rows = {}
    for line in out.decode("utf-8").split("\n"):
        if line and not line.startswith("#"):
            cells = line.split("\t")
            rows[int(cells[0])] = cells[1:] if zero_based else [""] + cells[1:]
    return rows


def f00(v):
    return ("-" if v < 0 else "") + "%02d" % abs(v)


def half_away(x):
    return int(abs(x) + Fraction(1, 2)) * (1 if x >= 0 else -1)


def mean(cells, allowed, total=False):
    missing, empty = cells.count("-"), cells.count("")
    if missing + empty == len(cells):
        return "-" if missing else ""
    if missing > allowed:
        return "-"
    s = sum(int(c) for c in cells if c not in ("", "-"))
    return f00(s) if total else f00(half_away(Fraction(s, len(cells) - missing - empty)))


def daily_means(t, days):
    """The daily means of a table: the four main hours, or a missing-hour day's other hours."""
    if len(t[1]) - 1 < 24:
        return [mean(t[d][1:5], 0) for d in range(1, days + 1)]
    out = []
    for d in range(1, days + 1):
        four, every = mean([t[d][s] for s in (6, 12, 18, 24)], 0), mean(t[d][1:25], 5)
        if "-" in t[d][1:25] and four in ("", "-") and every not in ("", "-"):
            four = every
        out.append(four)
    return out


def month_mean(t, daily, days):
    """The month's mean of the daily means; with a main hour missing, the mean of the hour means."""
    times = (6, 12, 18, 24) if len(t[1]) - 1 >= 24 else (1, 2, 3, 4)
    if any(t[d][s] == "-" for d in range(1, days + 1) for s in times):
        return mean([mean([t[d][s] for d in range(1, days + 1)], 6) for s in times], 0)
    return mean(daily, 6)


def extreme(values, pick):
    """The highest or lowest value with its day, or the number of days."""
    seen = [(int(v), d) for d, v in enumerate(values, start=1) if v not in ("", "-")]
    if not seen:
        return "", ""
    best = pick(v for v, _ in seen)
    on = [d for v, d in seen if v == best]
    return f00(best), str(on[0]) if len(on) == 1 else "%d天" % len(on)


def expected_columns(path, days):
    """Title -> (day rows, {month row: text}) for the columns worked out here."""
    t, p, p2, e, s = (dump(path, n) for n in ("TableT", "TableP", "TableP2", "TableE", "TableS"))
    k = dump(path, "TableK")
    hourly = len(t[1]) - 1 > 23
    top, low = (25, 27) if hourly else (5, 6)
    cols = {}
    for title, table in (("日平均气温", t), ("日平均本站气压", p), ("日平均海平面气压", p2)):
        daily = daily_means(table, days)
        cols[title] = (daily, {1: month_mean(table, daily, days)})
    for title, slot, pick, rows in (("日最高气温", top, max, (2, 3)), ("日最低气温", low, min, (4, 5))):
        values = [t[d][slot] for d in range(1, days + 1)]
        cols[title] = (values, {1: mean(values, 6), rows[0]: extreme(values, pick)[0],
                                rows[1]: extreme(values, pick)[1]})
    obs = [c for d in range(1, days + 1) for c in e[d][1:]]
    cols["日平均水汽压"] = (None, {2: f00(max(int(c) for c in obs if c not in ("", "-"))),
                                   4: f00(min(int(c) for c in obs if c not in ("", "-")))})
    sunshine = [s[d][27] for d in range(1, days + 1)]
    cols["日日照时数"] = (sunshine, {0: mean(sunshine, 6, total=True)})
    if len(k[1]) == 2:  # one deep-soil reading a day: only its month mean
        cols["日平均80cm地温"] = ([""] * days, {1: mean([k[d][1] for d in range(1, days + 1)], 6)})
    return cols


def main():
    work = tempfile.mkdtemp(prefix="quillon-stats-")
    try:
        names = sorted(f for f in os.listdir(SAMPLES) if f.upper().endswith(".TXT"))
        for f in names:
            shutil.copy(os.path.join(SAMPLES, f), work)
        run = subprocess.run([CLI, "convert", work, "--stats", "stats"], capture_output=True)
        check(run.returncode == 0, "convert exit status %d: %s" % (run.returncode, run.stderr.decode()))
        sheet = xlrd.open_workbook(os.path.join(work, "stats.xls")).sheet_by_index(0)
        check(sheet.row_values(0) == TITLES, "titles %r" % sheet.row_values(0))
        row = 1
        for f in names:
            path = os.path.join(work, f)
            year, month = f[7:11], f[11:13]
            days = len(dump(path, "TableT"))
            labels = sheet.col_values(0, row, row + days + 6)
            want = ["%s%s%02d" % (year, month, d) for d in range(1, days + 1)]
            want += [year + "年" + month + m for m in MONTH_ROWS]
            check(labels == want, "%s: labels %r" % (f, labels))
            for title, (day_rows, month_rows) in expected_columns(path, days).items():
                j = TITLES.index(title)
                if day_rows is not None:
                    got = sheet.col_values(j, row, row + days)
                    bad = [d + 1 for d in range(days) if got[d] != day_rows[d]]
                    check(not bad, "%s %s: days %s: %r != %r" % (
                        f, title, bad[:3], [got[d - 1] for d in bad[:3]], [day_rows[d - 1] for d in bad[:3]]))
                for r, text in month_rows.items():
                    got = sheet.cell_value(row + days + r, j)
                    check(got == text, "%s %s %s: %r != %r" % (f, title, MONTH_ROWS[r], got, text))
            row += days + 6
        check(sheet.nrows == row, "rows %d, expected %d" % (sheet.nrows, row))
    finally:
        shutil.rmtree(work)
    for f in failures:
        print("FAIL:", f)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
