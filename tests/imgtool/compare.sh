#!/usr/bin/env bash
# Runs velpiners-imgtool built for the host and built for Windows (under Wine) on the same generated
# inputs and compares their output files byte for byte: the pixel arithmetic must not depend on the
# compiler, the C library or the target. Where this machine runs 32-bit programs, the 32-bit and the 64-bit
# velpiners-imgtool.exe also run on the same inputs and their outputs are compared with each other; where
# it cannot, that comparison is left out (one line says so) and counts neither as passed nor as failed.
# Prints "imgtool-compare: N passed, N failed".
# Needs build/host (velpiners-imgtool, imgtool_inputs), build/win32 (velpiners-imgtool.exe) and, for the
# 32-bit against 64-bit comparison, the tool of the other architecture that scripts/build makes
# (build/win32-i686 where build/win32 is 64-bit, build/win32-x86_64 where it is 32-bit). Wine's
# environment (WINEPREFIX, DISPLAY) is the caller's, as scripts/test sets it.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
source "$root/scripts/lib.sh"
host_tool="$root/build/host/velpiners-imgtool"
win_tool="$root/build/win32/velpiners-imgtool.exe"
inputs="$root/build/host/imgtool_inputs"
for f in "$host_tool" "$win_tool" "$inputs"; do
  [ -x "$f" ] || [ -f "$f" ] || { echo "imgtool-compare: missing $f"; echo "imgtool-compare: 0 passed, 1 failed"; exit 1; }
done

export WINEPREFIX="${WINEPREFIX:-$root/build/win32/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# The machine a Windows program is built for, from its PE header: i386, amd64 or unknown.
pe_machine() {
  local offset machine
  offset=$(od -An -t u4 -j 60 -N 4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] || { echo unknown; return; }
  machine=$(od -An -t x2 -j $((offset + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    014c) echo i386 ;;
    8664) echo amd64 ;;
    *) echo unknown ;;
  esac
}

# 32-bit Windows programs start with the plain `wine` command, 64-bit ones with this machine's loader.
loader64=$(wine_loader)
loader_for() {
  case "$1" in
    i386) echo wine ;;
    *) echo "$loader64" ;;
  esac
}

win_arch=$(pe_machine "$win_tool")
case "$win_arch" in
  i386) other_tool="$root/build/win32-x86_64/velpiners-imgtool.exe" ;;
  amd64) other_tool="$root/build/win32-i686/velpiners-imgtool.exe" ;;
  *) echo "imgtool-compare: $win_tool is neither an i386 nor an amd64 program"
     echo "imgtool-compare: 0 passed, 1 failed"; exit 1 ;;
esac
win_loader=$(loader_for "$win_arch")

passed=0
failed=0
cross=no
cross_passed=0
cross_failed=0
if ! can_run_i386; then
  echo "imgtool-compare: 32-bit against 64-bit not compared: this machine cannot run 32-bit programs (neither passed nor failed)"
elif [ ! -f "$other_tool" ]; then
  echo "FAIL 32-bit against 64-bit: missing $other_tool"
  cross_failed=1
else
  other_arch=$(pe_machine "$other_tool")
  if [ "$other_arch" = "$win_arch" ] || [ "$other_arch" = unknown ]; then
    echo "FAIL 32-bit against 64-bit: $other_tool is built for $other_arch, like $win_tool"
    cross_failed=1
  else
    cross=yes
    other_loader=$(loader_for "$other_arch")
  fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/host" "$work/win" "$work/other"
"$inputs" "$work" || { echo "imgtool-compare: 0 passed, 1 failed"; exit 1; }
cd "$work" || exit 1

# same NAME FILE|TEXT OUT DIR1 DIR2: whether DIR1 and DIR2 hold the same output (the file OUT, or the text
# the tool printed, whatever the line ends).
same() {
  local name=$1 kind=$2 out=$3 a=$4 b=$5
  if [ "$kind" = file ]; then
    if cmp -s "$a/$out" "$b/$out"; then return 0; fi
    echo "FAIL $name: outputs differ ($(cmp "$a/$out" "$b/$out" 2>&1 | head -1))"
  else
    if diff <(tr -d '\r' <"$a/$out.txt") <(tr -d '\r' <"$b/$out.txt") >/dev/null; then return 0; fi
    echo "FAIL $name: listings differ"
  fi
  return 1
}

# run_case NAME OUTPUT COMMAND ARGUMENTS... (the output file name is the argument equal to OUTPUT; a case
# without one compares what the tool prints)
run_case() {
  local name=$1 out=$2
  shift 2
  local host_args=() win_args=() other_args=() kind=text a
  for a in "$@"; do
    if [ "$a" = "$out" ]; then
      host_args+=("host/$out"); win_args+=("win/$out"); other_args+=("other/$out"); kind="file"
    else
      host_args+=("$a"); win_args+=("$a"); other_args+=("$a")
    fi
  done
  local host_ok=yes win_ok=yes other_ok=yes
  if ! "$host_tool" "${host_args[@]}" >"host/$out.txt" 2>&1; then
    echo "FAIL $name: host tool failed: $(cat "host/$out.txt")"; host_ok=no
  fi
  if ! "$win_loader" "$win_tool" "${win_args[@]}" >"win/$out.txt" 2>&1 </dev/null; then
    echo "FAIL $name: Windows tool ($win_arch) failed: $(tr -d '\r' <"win/$out.txt")"; win_ok=no
  fi
  if [ "$host_ok" = yes ] && [ "$win_ok" = yes ] && same "$name (host against $win_arch)" "$kind" "$out" host win; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi

  [ "$cross" = yes ] || return
  if ! "$other_loader" "$other_tool" "${other_args[@]}" >"other/$out.txt" 2>&1 </dev/null; then
    echo "FAIL $name: Windows tool ($other_arch) failed: $(tr -d '\r' <"other/$out.txt")"; other_ok=no
  fi
  if [ "$win_ok" = yes ] && [ "$other_ok" = yes ] && same "$name ($win_arch against $other_arch)" "$kind" "$out" win other; then
    cross_passed=$((cross_passed + 1))
  else
    cross_failed=$((cross_failed + 1))
  fi
}

for filter in box triangle hermite bell bspline lanczos3 mitchell; do
  run_case "resample $filter up" "up-$filter.bmp" resample skin.bmp "up-$filter.bmp" 241 140 "$filter"
done
run_case "resample lanczos3 down" down.bmp resample skin.bmp down.bmp 37 23 lanczos3
run_case "resample mitchell to 1x1" one.bmp resample skin.bmp one.bmp 1 1 mitchell
run_case "resample top-down 32-bit" td.bmp resample topdown32.bmp td.bmp 90 90 mitchell
run_case "resample 1-pixel column" col.bmp resample column.bmp col.bmp 7 3 bspline
run_case "framed plain" f1.bmp framed skin.bmp mask8.bmp 200 120 0 1 1 f1.bmp
run_case "framed titled" f2.bmp framed skin.bmp mask24.bmp 224 40 2 0 1 f2.bmp
run_case "framed wide" f3.bmp framed skin.bmp mask8.bmp 225 150 1 1 1 f3.bmp
run_case "framed rolled" f4.bmp framed skin.bmp mask8.bmp 100 20 0 1 0 f4.bmp
run_case "framed wide rolled" f5.bmp framed skin.bmp mask24.bmp 400 20 4 1 0 f5.bmp
run_case "framed frame" f6.bmp framed skin.bmp mask8.bmp 76 60 9 3 1 f6.bmp
run_case "framed frame rolled" f7.bmp framed skin.bmp mask8.bmp 150 60 9 3 0 f7.bmp
run_case "icon rolled" i1.bmp icon iconskin.bmp iconmask.bmp 0 0 120 40 16 16 0 i1.bmp
run_case "icon unrolled" i2.bmp icon iconskin.bmp iconmask.bmp 0 0 150 60 48 48 1 i2.bmp
run_case "icon tall" i3.bmp icon iconskin.bmp iconmask.bmp 3 4 90 30 40 72 1 i3.bmp
run_case "tint 32-bit" t1.bmp tint icon32.bmp 200 90 30 t1.bmp
run_case "tint 24-bit" t2.bmp tint skin.bmp 255 255 255 t2.bmp
run_case "pack" pack.vpi vpi-pack pack.vpi 101=icon32.bmp 102=mask8.bmp 300=topdown32.bmp
"$host_tool" vpi-pack zipped.vpi --compress 101=icon32.bmp 102=mask8.bmp >/dev/null 2>&1
run_case "compressed pack listing" list vpi-list zipped.vpi

echo "imgtool-compare host against Windows ($win_arch): $passed passed, $failed failed"
if [ "$cross" = yes ] || [ "$cross_failed" -gt 0 ]; then
  echo "imgtool-compare 32-bit against 64-bit: $cross_passed passed, $cross_failed failed"
fi
passed=$((passed + cross_passed))
failed=$((failed + cross_failed))
echo "imgtool-compare: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
