"""What the end-to-end checks share: the command line under test and the
sample folder (their two arguments), the element catalogue as the program
lists it, the failures found and the closing line that ctest reads."""
import contextlib
import json
import os
import shutil
import subprocess
import sys
import tempfile

CLI, SAMPLES = sys.argv[1], sys.argv[2]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def catalogue():
    """The 28 elements in list order, each with its table, timed column and statistics titles."""
    out = subprocess.run([CLI, "elements", "--json"], capture_output=True, check=True).stdout
    return json.loads(out)


@contextlib.contextmanager
def converted_samples(*options):
    """Copies of the sample A files converted with the given options: yields the
    folder and the file names in list order; the folder is removed afterwards."""
    work = tempfile.mkdtemp(prefix="quillon-check-")
    try:
        names = sorted(f for f in os.listdir(SAMPLES) if f.upper().endswith(".TXT"))
        for f in names:
            shutil.copy(os.path.join(SAMPLES, f), work)
        run = subprocess.run([CLI, "convert", work, *options], capture_output=True)
        check(run.returncode == 0, "convert exit status %d: %s" % (run.returncode, run.stderr.decode()))
        yield work, names
    finally:
        shutil.rmtree(work)


def report():
    for f in failures:
        print("FAIL:", f)
    print("%d passed, %d failed" % (0 if failures else 1, 1 if failures else 0))
    return 1 if failures else 0
