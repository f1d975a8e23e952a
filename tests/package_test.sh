#!/usr/bin/env bash
# The Debian package as a teacher installs it: built with CPack from this build,
# installed on this machine with apt (which brings what it depends on), both
# installed programs run headless, then the package is removed again, whatever
# happened. Needs root and a usable apt, as on CI; otherwise skipped.
set -uo pipefail
build=${1:?build directory}
skip() { echo "SKIP: $1"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root (CI runs as root)"
command -v apt-get >/dev/null && command -v dpkg-query >/dev/null && [ -w /var/lib/dpkg ] ||
  skip "no usable apt on this machine"
grep -q '^MEBUKI_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" && skip "the package is tested in the plain build only"
# Two runs side by side would remove each other's install.
exec 9>/tmp/mebuki-package-test.lock
flock -w 600 9 || skip "another package test holds the machine"
dpkg-query -W -f='${Status}' mebuki 2>/dev/null | grep -q 'ok installed' &&
  skip "mebuki is installed on this machine already; the test leaves that install alone"

work=$(mktemp -d)
chmod 755 "$work"  # apt reads the package as its own unprivileged user
installed=""
remove_package() {
  [ -n "$installed" ] || return 0
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq -o DPkg::Lock::Timeout=300 mebuki >/dev/null 2>&1 ||
    dpkg --purge mebuki >/dev/null 2>&1
  installed=""
}
trap 'remove_package; rm -rf "$work"' EXIT
trap 'exit 143' TERM INT HUP
failures=0 passes=0
check() {
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=mebuki_${version}_$(dpkg --print-architecture).deb
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || cat "$work/cpack.log"
[ -f "$work/$deb" ]
check "cpack builds $deb" $?
[ -f "$work/$deb" ] || { echo "$passes passed, $failures failed"; exit 1; }
chmod 644 "$work/$deb"

depends=$(dpkg-deb -f "$work/$deb" Depends)
echo "Depends: $depends"
for dependency in libsdl2-2.0-0 libcairo2 libfontconfig1 fonts-morisawa-bizud-gothic fonts-liberation2; do
  grep -qE "(^|, )$dependency( |,|$)" <<<"$depends"
  check "the package depends on $dependency" $?
done

installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 \
  "$work/$deb" >"$work/apt.log" 2>&1; status=$?
[ "$status" -eq 0 ] || cat "$work/apt.log"
check "apt installs the package" "$status"

out=$(mebuki1 --version 2>&1)
[ "$(command -v mebuki1)" = /usr/bin/mebuki1 ] && [ "$out" = "mebuki1 $version" ]
check "the installed mebuki1 --version says \"$out\"" $?

for program in mebuki1 mebuki2; do
  (cd "$work" && "/usr/bin/$program" --walk --time 09:15:30 --trace "$work/installed.jsonl")
  check "the installed $program walks every page, status 0" $?
  "$build/$program" --walk --time 09:15:30 --trace "$work/built.jsonl"
  cmp -s "$work/installed.jsonl" "$work/built.jsonl"
  check "the installed $program draws exactly what the built one does" $?
  launcher=/usr/share/applications/$program.desktop
  [ "$(command -v "$(sed -n 's/^Exec=//p' "$launcher")")" = "/usr/bin/$program" ] &&
    desktop-file-validate "$launcher"
  check "the installed launcher of $program is valid and starts it" $?
done
[ -f /usr/share/icons/hicolor/scalable/apps/mebuki.svg ] && [ -f /usr/share/doc/mebuki/guide-ja.md ]
check "the icon and the guide are installed" $?

remove_package
! dpkg-query -W -f='${Status}' mebuki 2>/dev/null | grep -q 'ok installed' && [ ! -e /usr/bin/mebuki1 ]
check "the package is removed again" $?

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
