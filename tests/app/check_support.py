"""What the end-to-end checks share: the command line under test and the
sample folder (their two arguments), the element catalogue as the program
lists it, the failures found and the closing line that ctest reads."""
import json
import subprocess
import sys

CLI, SAMPLES = sys.argv[1], sys.argv[2]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def catalogue():
    """The 28 elements in list order, each with its table, timed column and statistics titles."""
    out = subprocess.run([CLI, "elements", "--json"], capture_output=True, check=True).stdout
    return json.loads(out)


def report():
    for f in failures:
        print("FAIL:", f)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0
