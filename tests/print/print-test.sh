#!/usr/bin/env bash
# Prints with the real program, first with no printer (it must say so), then to a PDF
# printer of CUPS (started here when it is not running) while Velmora's window lies
# mostly beyond the screen's edge and another window covers the rest, and checks the
# PDF: one page that shows the chart (its first segment's colour covers a good part of
# it) and nothing of the covering window. The PDF and a
# picture of its page are left in the artifacts folder.
# Usage: print-test.sh BUILD_DIR
set -euo pipefail
build="$1"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
tests="$build/tests/e2e_tests.exe"
artifacts="$build/artifacts"
run() { "$source_dir/scripts/wine-run.sh" --unmanaged "$@"; }

echo "== without a printer"
CUPS_SERVER=/nonexistent run "$build/print-none-prefix" "$tests" --gtest_filter='*PrintingWithoutAPrinter*'

echo "== to a PDF printer"
scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }  # its exit code says nothing
if ! scheduler_running; then
  cupsd
  for _ in $(seq 50); do scheduler_running && break; sleep 0.2; done
fi
lpadmin -p VelmoraPDF -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
lpadmin -d VelmoraPDF
output="$HOME/PDF"  # where cups-pdf puts the jobs of this user
mkdir -p "$output" "$artifacts"
started="$(mktemp)"
run "$build/print-prefix" "$tests" --gtest_filter='*PrintingSendsTheWindow*'

pdf=""
for _ in $(seq 120); do
  # Complete once the printer's queue is empty: cups-pdf writes the file as it goes.
  pdf="$(find "$output" -name '*.pdf' -newer "$started" | head -n 1)"
  [ -n "$pdf" ] && [ -z "$(lpstat -o VelmoraPDF 2>/dev/null)" ] && break
  sleep 0.5
done
rm -f "$started"
if [ -z "$pdf" ]; then
  echo "FAIL: no PDF arrived in $output" >&2
  exit 1
fi
cp "$pdf" "$artifacts/printed-window.pdf"
pages="$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')"
pdftoppm -r 40 -png -singlefile "$pdf" "$artifacts/printed-window"
# The share of the page in a colour.
share() {
  convert "$artifacts/printed-window.png" -fuzz 6% -fill white +opaque "$1" -fill black -opaque "$1" \
    -colorspace Gray -format '%[fx:1-mean]' info:
}
chart="$(share "rgb(255,224,224)")"  # the chart's first colour
cover="$(share "rgb(0,255,0)")"      # the window the test put over Velmora's
echo "pages=$pages first_segment_share=$chart covering_window_share=$cover"
if [ "$pages" != 1 ]; then
  echo "FAIL: the PDF has $pages pages" >&2
  exit 1
fi
if ! awk -v share="$chart" 'BEGIN { exit !(share > 0.01) }'; then
  echo "FAIL: the printed page does not show the chart" >&2
  exit 1
fi
if ! awk -v share="$cover" 'BEGIN { exit !(share < 0.001) }'; then
  echo "FAIL: the printed page shows the window that covered Velmora's" >&2
  exit 1
fi
echo "PASS"
