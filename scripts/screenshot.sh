#!/usr/bin/env bash
# Saves docs/main-window.png: the main window on a virtual X display, with a
# copy of the sample A files listed and some files and elements ticked.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh
scripts/build.sh build
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-shot.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/A文件"
cp samples/*.TXT "$work/A文件/"
# A Chinese locale for the clock's weekday.
LANG=zh_CN.UTF-8 xvfb-run -a -s "-screen 0 1024x768x24" \
  build/tests/gui/quillon_gui_screenshot "$work/A文件" docs/main-window.png
echo "Saved docs/main-window.png"
