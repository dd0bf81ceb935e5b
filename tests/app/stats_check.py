"""End-to-end check of the daily and monthly statistics workbook.

Converts copies of the sample A files with quillon-cli, opens the workbook
with xlrd and checks titles, the day and month rows of every file with their
labels, and a few columns of each family (means, extremes with their days,
totals, sunshine) against figures worked out here from the decoded tables
that `quillon-cli dump` prints, following the observers' rules: a daily mean
of the four main hours, at most 6 missing days a month, 5 missing hours a
day, none of the four times, halves rounded away from zero; rain totals, the
day's strongest winds and the sunshine against the day length at the station.
"""
import datetime
import math
import os
import re
import struct
import subprocess
import sys
from fractions import Fraction

import xlrd

from check_support import CLI, catalogue, converted_samples, check, report

# The statistics titles in list order, as the program's catalogue gives them;
# a few are spelled out here so that a renamed title shows.
TITLES = ["年月日"] + [t for e in catalogue() for t in e["statsTitles"]]
assert len(TITLES) == 37 and TITLES[1] == "日平均本站气压" and "日最大风速的风向" in TITLES
MONTH_ROWS = ["月合计", "月平均", "月最高(大)", "月最高(大)出现时间", "月最低(小)", "月最低(小)出现时间"]
# Month rows of the reference-station March worked out by hand from its
# tables: rain on the 16th only, the strongest winds on the 24th from 270°.
BY_HAND = {"A54511-200803.TXT": {
    ("日定时降水量", 0): "28", ("日定时降水量", 2): "28", ("日定时降水量", 3): "16",
    ("日小时降水量", 0): "28",
    ("日最大风速", 2): "89", ("日最大风速", 3): "24", ("日最大风速的风向", 2): "W",
    ("日极大风速", 2): "156", ("日极大风速", 3): "24", ("日极大风速的风向", 2): "W",
    ("日日照时数", 0): "2412", ("日日照时数", 1): "百分率:66%", ("日日照时数", 2): ">=60%:19",
    ("日日照时数", 4): "<=20%:2"}}


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


def info(path):
    """The header fields that `quillon-cli info` prints ("Latitude" -> "39.48N")."""
    out = subprocess.run([CLI, "info", path], capture_output=True, check=True).stdout
    fields = (l.partition(": ") for l in out.decode("utf-8").split("\n"))
    return {k.strip(): v.strip() for k, sep, v in fields if sep}


def num(c):
    """A cell's value; "A" (rain measured with a later hour) is none."""
    return int(c) if c.lstrip("-").isdigit() else 0


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
    s = sum(num(c) for c in cells if c not in ("", "-"))
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
    seen = [(num(v), d) for d, v in enumerate(values, start=1) if v not in ("", "-")]
    if not seen:
        return "", ""
    best = pick(v for v, _ in seen)
    on = [d for v, d in seen if v == best]
    return f00(best), str(on[0]) if len(on) == 1 else "%d天" % len(on)


def hourly_rain(hours):
    """A day's total of hourly rain; a missing hour right after an "A" hour is in the later value."""
    empty = missing = excused = total = 0
    after_a = False
    for c in hours:
        if c == "A":
            after_a = True
            continue
        empty, missing = empty + (c == ""), missing + (c == "-")
        excused += after_a and c == "-"
        after_a = after_a and c == "-"
        total += num(c) if c not in ("", "-") else 0
    if empty + missing == len(hours):
        return "-" if missing else ""
    return "-" if missing > excused else str(total)


def compass(degrees):
    return "N NNE NE ENE E ESE SE SSE S SSW SW WSW W WNW NW NNW".split()[int(degrees / 22.5 + 0.5) % 16]


def strongest(cells):
    """The month's strongest of the day winds "speed/degrees": speed, direction, day."""
    seen = [(int(s), compass(int(d)) if d.isdigit() else d, day) for day, (s, _, d) in
            enumerate((c.partition("/") for c in cells), start=1) if s not in ("", "-")]
    if not seen:
        return "", "", ""
    top = max(v for v, _, _ in seen)
    on = [(code, day) for v, code, day in seen if v == top]
    codes = list(dict.fromkeys(code for code, _ in on))
    if len(on) == 1:
        return f00(top), on[0][0], str(on[0][1])
    return f00(top), codes[0] if len(codes) == 1 else "%d个" % len(codes), "%d天" % len(on)


def degrees(text, negative):
    """A header position ("39.48N", degrees and minutes) in decimal degrees."""
    whole, _, minutes = text.rstrip("NSEW").partition(".")
    value = int(whole) + Fraction(half_away(Fraction(half_away(Fraction(minutes or "0")), 60) * 10000), 10000)
    return float(-value if text.endswith(negative) else value)


def day_length(year, month, day, lat, lon):
    """Possible sunshine in hours (0.01 h): sunrise to sunset with 34' of refraction."""
    t = (datetime.date(year, month, day) - datetime.date(year, 1, 1)).days
    n0 = (year - 1985) * 0.2422 + 79.6764 - math.floor((year - 1985) * 0.25)
    a = ((12 - lon / 15) / 24 + t - n0) * 2 * math.pi / 365.2422
    dec = (0.3723 + 23.2567 * math.sin(a) + 0.1149 * math.sin(2 * a) - 0.1712 * math.sin(3 * a)
           - 0.758 * math.cos(a) + 0.3656 * math.cos(2 * a) + 0.0201 * math.cos(3 * a))
    r, rad = 34 / 60, math.pi / 180
    p = math.sin((45 - (lat - dec - r) / 2) * rad) * math.sin(((lat - dec + r) / 2 + 45) * rad)
    if not p >= 0:
        return 0.0
    s = math.sqrt(p / (math.cos(dec * rad) * math.cos(lat * rad)))
    if s >= 1:
        return 24.0
    return half_away(Fraction(math.asin(s) * 2 / rad / 15 * 200)) / 100


def single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def sunshine_lines(path, s, days, total):
    """Month rows 1, 2 and 4 of the sunshine: the month's share of the possible
    sunshine, the days of at least 60 % and of at most 20 % of the 16th's."""
    head = info(path)
    year, month = int(head["Year"]), int(head["Month"])
    lat, lon = degrees(head["Latitude"], "S"), degrees(head["Longitude"], "W")
    middle = day_length(year, month, 16, lat, lon)
    high, low = half_away(Fraction(middle * 6)), half_away(Fraction(middle * 2))
    possible = 0.0
    for d in range(1, days + 1):
        if s[d][-1] != "-":
            possible = single(possible + single(day_length(year, month, d, lat, lon)))
    possible = half_away(Fraction(single(possible * 10)))
    values = [int(s[d][27]) for d in range(1, days + 1) if s[d][27] not in ("", "-")]
    if total in ("", "-"):
        return {1: "", 2: "", 4: ""}
    n60, n20 = sum(v >= high for v in values), sum(v <= low for v in values)
    return {1: "百分率:%d%%" % half_away(Fraction(int(total) * 100, possible)) if possible else "",
            2: ">=60%%:%d" % n60 if n60 else "", 4: "<=20%%:%d" % n20 if n20 else ""}


def section_observed(path, letter):
    mode = re.search(r"\b%s\[([^\]]*)\]" % letter, info(path)["SectionModes"]).group(1)
    return mode not in ("0=", "=")


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
    total = mean(sunshine, 6, total=True)
    cols["日日照时数"] = (sunshine, {0: total, 3: "", 5: "", **sunshine_lines(path, s, days, total)})
    r, r2, f3 = (dump(path, n) for n in ("TableR", "TableR2", "TableF3"))
    rain = [r[d][3] for d in range(1, days + 1)]
    wet = section_observed(path, "R")
    rows = {0: mean(rain, 6, total=True), 2: extreme(rain, max)[0], 3: extreme(rain, max)[1]}
    cols["日定时降水量"] = (rain, {1: "", 4: "", 5: "", **(rows if wet else {0: "", 2: "", 3: ""})})
    hourly = [hourly_rain(r2[d][1:25]) for d in range(1, days + 1)]
    cols["日小时降水量"] = (hourly, {0: mean(hourly, 6, total=True), 1: "", 2: "", 3: "", 4: "", 5: ""})
    for title, slot, field in (("日最大风速", 1, 0), ("日最大风速的风向", 1, 2),
                               ("日极大风速", 3, 0), ("日极大风速的风向", 3, 2)):
        cells = [f3[d][slot] for d in range(1, days + 1)]
        speed, code, day = strongest(cells)
        day_rows = [c.partition("/")[field] for c in cells]
        cols[title] = (day_rows, {0: "", 1: "", 2: code if field else speed, 3: "" if field else day,
                                  4: "", 5: ""})
    if len(k[1]) == 2:  # one deep-soil reading a day: only its month mean
        cols["日平均80cm地温"] = ([""] * days, {1: mean([k[d][1] for d in range(1, days + 1)], 6)})
    return cols


def main():
    with converted_samples("--stats", "stats") as (work, names):
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
            for (title, r), text in BY_HAND.get(f, {}).items():
                got = sheet.cell_value(row + days + r, TITLES.index(title))
                check(got == text, "%s %s %s by hand: %r != %r" % (f, title, MONTH_ROWS[r], got, text))
            row += days + 6
        check(sheet.nrows == row, "rows %d, expected %d" % (sheet.nrows, row))
    return report()


if __name__ == "__main__":
    sys.exit(main())
