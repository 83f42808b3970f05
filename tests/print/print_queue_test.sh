#!/usr/bin/env bash
# A print through a real queue: starts a private cupsd with a cups-pdf queue as the default,
# prints the annual report directly from its window and checks that a one-page PDF came out.
# Skips (exit 77) where no print server can start here.
#   print_queue_test.sh <test program>
set -euo pipefail
program="$1"
skip() { echo "SKIPPED: $* (the print test needs cupsd and cups-pdf: scripts/deps.sh test)"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "cups-pdf writes only for a print server started as root"
command -v cupsd >/dev/null || skip "cupsd is not installed"
command -v lpadmin >/dev/null || skip "lpadmin is not installed"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"
ppd=$(find /usr/share/ppd /usr/share/cups/model -name 'CUPS-PDF_noopt.ppd*' 2>/dev/null | head -1)
[ -n "$ppd" ] || skip "the cups-pdf printer description is not installed"

root=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; rm -rf "$root"; }
trap cleanup EXIT
mkdir -p "$root"/{etc,spool,tmp,cache,state,log,out}
chmod 755 "$root"
# The filters run as the print system's own user and write their temporary files here.
chmod 1777 "$root/tmp"
socket="$root/cups.sock"
cat >"$root/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
Printcap $root/printcap
CONF
cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
pid=$!
export CUPS_SERVER="$socket"
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
lpstat -r >/dev/null 2>&1 || skip "cupsd did not start: $(tail -3 "$root/log/error_log" 2>/dev/null)"

# cups-pdf writes the job's PDF under the submitting user's home.
out="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$out"
# cups-pdf names the file after the job, so an earlier print's file may be replaced rather than
# joined: what counts is a PDF written after this mark.
mark="$root/before-print"
touch "$mark"
newest() { find "$out" -maxdepth 1 -name '*.pdf' -newer "$mark" -printf '%T@ %p\n' | sort -n | tail -1 | cut -d' ' -f2-; }
lpadmin -p QuillonPDF -E -v cups-pdf:/ -P "$ppd"
lpadmin -d QuillonPDF

QT_QPA_PLATFORM=offscreen LC_ALL=C "$program"
for _ in $(seq 150); do
  [ -z "$(lpstat -o 2>/dev/null)" ] && [ -n "$(newest)" ] && break
  sleep 0.2
done
pdf=$(newest)
[ -n "$pdf" ] || {
  echo "FAIL: no PDF came out of the queue" >&2
  tail -20 "$root/log/error_log" >&2 || true
  exit 1
}
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
text=$(pdftotext "$pdf" - 2>/dev/null || true)
rm -f "$pdf"
# A failed filter still leaves cups-pdf a blank page, so the page must carry text.
grep -q "Filter failed" "$root/log/error_log" 2>/dev/null &&
  { echo "FAIL: a print filter failed:" >&2; grep -v "After Cropping" "$root/log/error_log" | tail -15 >&2; exit 1; }
[ "$pages" = 1 ] || { echo "FAIL: the printout has $pages pages" >&2; exit 1; }
[ -n "$(tr -d '[:space:]' <<<"$text")" ] || { echo "FAIL: the printed page is blank" >&2; exit 1; }
echo "the annual report came out of the queue as a one-page PDF"
