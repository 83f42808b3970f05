#!/usr/bin/env bash
# Makes the Debian package from a configured build folder, unpacks it into a scratch tree,
# validates its desktop entry and metainfo, makes the tree read-only and starts both programs
# as the unprivileged user nobody: quillon-calc answers (and finds its layouts in the install),
# quillon starts and copies the three databases into the user's own data folder.
#   install_test.sh <build folder>
set -euo pipefail
build="$(realpath "$1")"
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIPPED: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "starting the programs as nobody with setpriv needs root"
for tool in cpack dpkg-deb dpkg-shlibdeps setpriv desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps.sh test installs it)"
done
getent passwd nobody >/dev/null || skip "there is no user nobody"

scratch=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; chmod -R u+w "$scratch"; rm -rf "$scratch"; }
trap cleanup EXIT
chmod 755 "$scratch"

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack could not make the package"
deb=$(ls "$scratch"/out/quillon_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libqt6sql6-sqlite libqt6pdf6 libqt6pdfwidgets6 libqt6network6 libqt6charts6; do
  [[ ", $depends," == *", $wanted"[,\ ]* ]] || fail "Depends lacks $wanted: $depends"
done

tree="$scratch/tree"
dpkg-deb -x "$deb" "$tree"
for f in usr/bin/quillon usr/bin/quillon-calc usr/share/quillon/Settings.mdb \
         usr/share/quillon/Annual.rpt usr/share/quillon/QL2017Help.pdf \
         usr/share/icons/hicolor/48x48/apps/quillon.png; do
  [ -e "$tree/$f" ] || fail "the package lacks /$f"
done
# The modules loaded at first use (help viewer, update check, loan graph, quillon-calc's PDF, the
# program-state record's reader), where the programs look for them, with every library they need
# installed; and the update check's own program beside them.
[ -x "$tree/usr/lib/quillon/quillon-update-check" ] ||
  fail "the package lacks /usr/lib/quillon/quillon-update-check"
for m in help update loan_graph calc_pdf record; do
  module="$tree/usr/lib/quillon/libquillon_$m.so"
  [ -f "$module" ] || fail "the package lacks /usr/lib/quillon/libquillon_$m.so"
  ! ldd "$module" | grep -q "not found" || fail "$module needs a library that is missing"
done
desktop-file-validate "$tree/usr/share/applications/quillon.desktop"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml

chmod -R a-w "$tree"
home="$scratch/home"
mkdir -p "$home"
chown nobody "$home"
chmod 700 "$home"
# Every use below runs in a subshell, so exec leaves no shell between a kill and the program.
as_nobody() {
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home" \
    QT_QPA_PLATFORM=offscreen LC_ALL=C \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$@"
}

out=$(echo '{"salary":300000,"age":40}' | as_nobody "$tree/usr/bin/quillon-calc" annual) ||
  fail "quillon-calc did not answer"
[[ "$out" == *'"'* ]] || fail "quillon-calc wrote no JSON: $out"
echo '{"salary":300000,"age":40}' |
  as_nobody "$tree/usr/bin/quillon-calc" annual --pdf "$home/annual.pdf" >/dev/null ||
  fail "quillon-calc found no layout in the install"

# The first start waits at the disclaimer; by then the user's files are there.
as_nobody "$tree/usr/bin/quillon" &
pid=$!
user="$home/data/Quillon 2017"
for _ in $(seq 300); do
  [ -f "$user/Settings.mdb" ] && [ -f "$user/bcdv.mdb" ] && [ -f "$user/Crysprin.mdb" ] && break
  kill -0 "$pid" 2>/dev/null || fail "quillon ended at start-up"
  sleep 0.2
done
for f in Settings.mdb bcdv.mdb Crysprin.mdb; do
  [ -w "$user/$f" ] || fail "no writable $f in $user"
done
kill -0 "$pid" 2>/dev/null || fail "quillon ended at start-up"
echo "installed read-only, both programs ran as nobody"
