#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as a distribution would:
#   1. cpack makes build/default/package/hensai-navi_<version>_<arch>.deb
#   2. dpkg-deb -x unpacks it into a scratch folder
#   3. the unpacked hensai-calc computes the worked example
#   4. the unpacked hensai-navi starts on a virtual display until its window maps
#   5. lintian, desktop-file-validate, appstreamcli and man --warnings run on it
# Lintian's findings are kept in build/default/package/lintian.txt; errors fail.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh default

pkgdir=build/default/package
rm -rf "$pkgdir"
start=$(date +%s%N)
cpack --preset default >/dev/null
deb=$(ls "$pkgdir"/hensai-navi_*.deb)
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB, built in $(( ($(date +%s%N) - start) / 1000000 )) ms)"
dpkg-deb --field "$deb" Package Version Architecture Depends Installed-Size

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
echo "unpacked: $(find "$scratch/root" -type f | wc -l) files"
status=0

# The worked example, through the unpacked program.
expected='返済方法: 公庫基本型
通　常 1～5年目: 79,503 円
通　常 6～10年目: 79,503 円
通　常 11年目以降: 88,948 円
ﾎﾞｰﾅｽ 1～5年目: 119,596 円
ﾎﾞｰﾅｽ 6～10年目: 119,596 円
ﾎﾞｰﾅｽ 11年目以降: 133,936 円
年間返済額 (1～5年目): 1,193,228 円
必要年収: 596 万円 以上
借入総返済額: 45,313,480 円'
got=$("$scratch/root/usr/bin/hensai-calc" --method 1 --loan 3000 --bonus 600 --rate1 2.0 --rate2 3.0 --years 35)
if [ "$got" = "$expected" ]; then
  echo "hensai-calc: worked example computed (借入総返済額: 45,313,480 円)"
else
  echo "hensai-calc: unexpected output:"; echo "$got"; status=1
fi

# The unpacked window program on a private virtual display, with its own lock folder.
mkdir -p "$scratch/runtime"
chmod 700 "$scratch/runtime"
XDG_RUNTIME_DIR="$scratch/runtime" LANG=C.UTF-8 \
 scripts/with-display.sh --screen 1024x768 bash -c '
   unset QT_QPA_PLATFORM
   "$1" >"$2/navi.log" 2>&1 &
   pid=$!
   started=$(date +%s%N)
   for _ in $(seq 200); do
     if xdotool search --onlyvisible --name "^Hensai Navi$" >/dev/null 2>&1; then
       echo "hensai-navi: window mapped after $(( ($(date +%s%N) - started) / 1000000 )) ms"
       kill "$pid"; wait "$pid" 2>/dev/null || true
       exit 0
     fi
     kill -0 "$pid" 2>/dev/null || break
     sleep 0.1
   done
   kill "$pid" 2>/dev/null || true
   echo "hensai-navi: no window within 20 s"; cat "$2/navi.log"; exit 1
 ' _ "$scratch/root/usr/bin/hensai-navi" "$scratch" || status=1

# Lintian: every finding is listed; errors fail the check.
lintian --display-info --display-experimental --pedantic --fail-on error "$deb" >"$pkgdir/lintian.txt" 2>&1 \
  || { echo "lintian found errors:"; status=1; }
echo "lintian: $(grep -c '^[EWIPX]:' "$pkgdir/lintian.txt" || true) findings"
cat "$pkgdir/lintian.txt"

scripts/validate-installed.sh "$scratch/root/usr" || status=1

[ $status -eq 0 ] && echo "package-check: passed" || echo "package-check: FAILED"
exit $status
