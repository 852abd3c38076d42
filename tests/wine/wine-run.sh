#!/usr/bin/env bash
# Runs one 64-bit Windows program under Wine and returns its exit code: in a
# prefix of its own (made on first use), one program at a time per prefix,
# on a shared virtual X server, in the C locale so that the programs are seen
# on a system whose code page is not 932.
#
#   wine-run.sh <program.exe> [arguments...]
#   wine-run.sh --init              only make sure the prefix exists
#
# Environment:
#   QV_WINEPREFIX     the prefix (default: <repo>/build/wineprefix)
#   QV_ARTIFACTS_DIR  where programs put screenshots and logs (default:
#                     <repo>/artifacts); handed to the program as QV_ARTIFACTS,
#                     in its Windows form (Z:\...)
#   QV_XDISPLAY       X display: ":77" by default, a shared Xvfb started when
#                     it is not running; "host" uses $DISPLAY as it is
#   QV_WINE_KEEP=1    leave the prefix's programs running afterwards
#   QV_WINEDEBUG      Wine's debug channels instead of none (+winhelp,err)
#   QV_WINE_LOCALE    the locale instead of C: C.UTF-8 keeps the code page
#                     1252 but lets Wine name host files outside ASCII,
#                     which in the C locale it cannot (links with Japanese
#                     names)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)

prefix=${QV_WINEPREFIX:-$repo/build/wineprefix}
artifacts=${QV_ARTIFACTS_DIR:-$repo/artifacts}
xdisplay=${QV_XDISPLAY:-:77}

# Debian 12's wine64 package: the loader lives outside PATH; /usr/bin/wine
# is a wrapper that prefers a 32-bit loader these machines do not have.
if [[ -x /usr/lib/wine/wine64 ]]; then
  wine=/usr/lib/wine/wine64
elif command -v wine64 >/dev/null; then
  wine=$(command -v wine64)
else
  wine=$(command -v wine)
fi
if [[ -x /usr/lib/wine/wineserver ]]; then
  wineserver=/usr/lib/wine/wineserver
else
  wineserver=$(command -v wineserver)
fi

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINELOADER=$wine
export WINEDEBUG=${QV_WINEDEBUG:--all}
# No mono or gecko install dialogs: the programs need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=${QV_WINE_LOCALE:-C}
unset LANG LANGUAGE
# The MinGW runtime DLLs, for programs not linked statically.
mingw_dirs=""
for d in /usr/lib/gcc/x86_64-w64-mingw32/*-posix /usr/x86_64-w64-mingw32/lib; do
  [[ -d $d ]] && mingw_dirs+="${mingw_dirs:+;}Z:${d//\//\\}"
done
export WINEPATH=$mingw_dirs

mkdir -p "$(dirname "$prefix")" "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
export QV_ARTIFACTS="Z:${artifacts//\//\\}"

# One wineserver per prefix: programs of one prefix run one after another.
# The lock descriptors are closed for every child, or a lingering wineserver
# or X server would hold them.
exec 8>"$prefix.lock"
if ! flock -w 900 8; then
  echo "wine-run: timed out waiting for $prefix.lock" >&2
  exit 125
fi

if [[ $xdisplay == host ]]; then
  if [[ -z ${DISPLAY:-} ]]; then
    echo "wine-run: QV_XDISPLAY=host but DISPLAY is not set" >&2
    exit 125
  fi
else
  # The pointer is shared by everything on one display, so tests on it take
  # turns even across prefixes.
  exec 9>"/tmp/qv-xdisplay-${xdisplay#:}.lock"
  if ! flock -w 900 9; then
    echo "wine-run: timed out waiting for display $xdisplay" >&2
    exit 125
  fi
  export DISPLAY=$xdisplay
  if ! xdpyinfo >/dev/null 2>&1; then
    setsid Xvfb "$xdisplay" -screen 0 1280x1024x24 -nolisten tcp \
      </dev/null >/dev/null 2>&1 8>&- 9>&- &
    for _ in $(seq 100); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    if ! xdpyinfo >/dev/null 2>&1; then
      echo "wine-run: could not start Xvfb on $xdisplay" >&2
      exit 125
    fi
  fi
fi

# A prefix whose making was cut short is made again from scratch.
if [[ ! -f $prefix/.qv-ready ]]; then
  rm -rf "$prefix"
  echo "wine-run: making the Wine prefix $prefix" >&2
  "$wine" wineboot -i </dev/null >/dev/null 2>&1 8>&- 9>&- || true
  "$wineserver" -w 8>&- 9>&-
  if [[ ! -d $prefix/drive_c/windows ]]; then
    echo "wine-run: wineboot did not make $prefix" >&2
    exit 125
  fi
  # The prefix has no Japanese fonts of its own: the dialogs' face and the
  # faces of menus and captions fall back on the system's IPA Gothic, as a
  # system without the program's code page links in a Japanese font.
  fonts_reg=$prefix/qv-fonts.reg
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"MS PGothic"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]' \
    '"Tahoma"=hex(7):69,00,70,00,61,00,67,00,70,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,50,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00' \
    '"MS Shell Dlg"=hex(7):69,00,70,00,61,00,67,00,70,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,50,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00' \
    | iconv -f UTF-8 -t UTF-16 >"$fonts_reg"
  "$wine" regedit /S "Z:${fonts_reg//\//\\}" </dev/null >/dev/null 2>&1 8>&- 9>&- || true
  "$wineserver" -w 8>&- 9>&-
  touch "$prefix/.qv-ready"
fi

if [[ ${1:-} == --init ]]; then
  exit 0
fi
if [[ $# -lt 1 ]]; then
  echo "usage: wine-run.sh <program.exe> [arguments...] | --init" >&2
  exit 125
fi

set +e
"$wine" "$@" </dev/null 8>&- 9>&-
rc=$?
set -e

if [[ $rc -ne 0 && $xdisplay != host ]] && command -v import >/dev/null; then
  shot="$artifacts/$(basename "$1" .exe)-failed.png"
  import -display "$xdisplay" -window root "$shot" >/dev/null 2>&1 8>&- 9>&- &&
    echo "wine-run: screen at the failure: $shot" >&2
fi

# Nothing of this run survives into the next one (a resident program left
# behind would hold its single-instance mutex).
if [[ -z ${QV_WINE_KEEP:-} ]]; then
  "$wineserver" -k 8>&- 9>&- 2>/dev/null || true
  "$wineserver" -w 8>&- 9>&- 2>/dev/null || true
fi
exit "$rc"
