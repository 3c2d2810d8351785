#!/usr/bin/env bash
# Runs velpiners-imgtool built for the host and built for Windows (under Wine) on the same generated
# inputs and compares their output files byte for byte: the pixel arithmetic must not depend on the
# compiler, the C library or the target. Prints "imgtool-compare: N passed, N failed".
# Needs build/host (velpiners-imgtool, imgtool_inputs) and build/win32 (velpiners-imgtool.exe); Wine's
# environment (WINEPREFIX, DISPLAY) is the caller's, as scripts/test sets it.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
host_tool="$root/build/host/velpiners-imgtool"
win_tool="$root/build/win32/velpiners-imgtool.exe"
inputs="$root/build/host/imgtool_inputs"
for f in "$host_tool" "$win_tool" "$inputs"; do
  [ -x "$f" ] || [ -f "$f" ] || { echo "imgtool-compare: missing $f"; echo "imgtool-compare: 0 passed, 1 failed"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/host" "$work/win"
"$inputs" "$work" || { echo "imgtool-compare: 0 passed, 1 failed"; exit 1; }
cd "$work" || exit 1

passed=0
failed=0
# case NAME OUTPUT COMMAND ARGUMENTS... (the output file name is the argument equal to OUTPUT)
run_case() {
  local name=$1 out=$2
  shift 2
  local host_args=() win_args=() a
  for a in "$@"; do
    if [ "$a" = "$out" ]; then host_args+=("host/$out"); win_args+=("win/$out"); else host_args+=("$a"); win_args+=("$a"); fi
  done
  if ! "$host_tool" "${host_args[@]}" >"host/$out.txt" 2>&1; then
    echo "FAIL $name: host tool failed: $(cat "host/$out.txt")"; failed=$((failed + 1)); return
  fi
  if ! "$root/scripts/wine-run" "$win_tool" "${win_args[@]}" >"win/$out.txt" 2>&1 </dev/null; then
    echo "FAIL $name: Windows tool failed: $(tr -d '\r' <"win/$out.txt")"; failed=$((failed + 1)); return
  fi
  if [ -f "host/$out" ]; then
    if cmp -s "host/$out" "win/$out"; then passed=$((passed + 1)); else
      echo "FAIL $name: outputs differ ($(cmp "host/$out" "win/$out" | head -1))"; failed=$((failed + 1)); fi
  else
    # Text output (the pack listing): the same lines, whatever the line ends.
    if diff <(tr -d '\r' <"host/$out.txt") <(tr -d '\r' <"win/$out.txt") >/dev/null; then passed=$((passed + 1)); else
      echo "FAIL $name: listings differ"; failed=$((failed + 1)); fi
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

echo "imgtool-compare: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
