#!/usr/bin/env bash
# End-to-end tests: the real velpiners.exe copied into a fresh program folder, started under Wine, driven
# from outside by velprobe.exe (another program using the WM_USER interface) and by Wine's reg tool.
# Expects DISPLAY, WINEPREFIX and a running wineserver (scripts/test provides them).
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
cd "$VELPINERS_ROOT"

loader=$(wine_loader)
exe=${VELPINERS_E2E_EXE:-build/win32/velpiners.exe}  # another build of the program may be named
probe_exe=build/win32/velprobe.exe
passed=0
failed=0
pids=()

check() {  # name, command...
  local name=$1; shift
  if "$@"; then
    passed=$((passed + 1)); echo "  ok    $name"
  else
    failed=$((failed + 1)); echo "  FAIL  $name"
  fi
}

probe() { "$loader" "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }

# Every folder of this run lies in one of its own, which no other run removes (older runs removed every
# /tmp/velpiners-e2e.*): other runs on the machine keep theirs.
run_root=$(mktemp -d /tmp/velpiners-e2e-run.XXXXXX)

new_folder() {
  local dir
  dir=$(mktemp -d "$run_root/program.XXXXXX")
  cp "$exe" "$dir/velpiners.exe"
  echo "$dir"
}

program_env=()  # VAR=value words for the next start_program's environment (a locale)
start_program() {  # folder, args...
  local dir=$1; shift
  # A copy still ending would make this one end at once (one copy runs at a time).
  probe gone 30 >/dev/null
  (cd "$dir" && exec env "${program_env[@]}" "$loader" ./velpiners.exe "$@") >/dev/null 2>&1 &
  pids+=($!)
  echo $!
}

stop_program() {  # pid
  probe close >/dev/null
  for _ in $(seq 1 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

# Makes a file unwritable for the program; as root (whom permissions do not stop) with the immutable attribute.
read_only=()
make_read_only() {
  chmod 444 "$1"
  if [ "$(id -u)" = 0 ]; then chattr +i "$1" 2>/dev/null && read_only+=("$1"); fi
}
undo_read_only() {
  for f in "${read_only[@]}"; do chattr -i "$f" 2>/dev/null; done
  read_only=()
}

# The value of a key in an INI file (CR LF or LF lines).
ini_value() {  # file section key
  tr -d '\r' <"$1" 2>/dev/null | awk -v s="[$2]" -v k="$3" '
    /^\[/ { in_section = ($0 == s); next }
    in_section && index($0, k "=") == 1 { print substr($0, length(k) + 2); exit }'
}
ini_keys() { tr -d '\r' <"$1" 2>/dev/null | grep -c '='; }

finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  if declare -F restore_logpixels >/dev/null; then restore_logpixels; fi
  undo_read_only
  rm -rf "$run_root"
}
trap finish EXIT

# Sets tray_x and tray_y to the top left corner of Wine's tray window (empty when there is none).
find_tray() {
  tray_x=""; tray_y=""
  local geometry
  for _ in $(seq 1 50); do
    geometry=$(xwininfo -name "Wine System Tray" 2>/dev/null)
    tray_x=$(sed -nE 's/.*Absolute upper-left X: +(-?[0-9]+).*/\1/p' <<<"$geometry")
    tray_y=$(sed -nE 's/.*Absolute upper-left Y: +(-?[0-9]+).*/\1/p' <<<"$geometry")
    [ -n "$tray_x" ] && break
    sleep 0.2
  done
}

# Waits up to 15 s until `probe visible CLASS` is at least 1 (wait_visible) or 0 (wait_hidden); a slow machine
# (the 32-bit program, a loaded one) takes its time, a fast one returns at once.
wait_visible() { for _ in $(seq 1 150); do [ "$(probe visible "$1")" -ge 1 ] && return 0; sleep 0.1; done; return 1; }
wait_hidden() { for _ in $(seq 1 150); do [ "$(probe visible "$1")" = 0 ] && return 0; sleep 0.1; done; return 1; }
# Waits up to 15 s until the window with the keyboard focus in the program is of this class.
wait_focus() { for _ in $(seq 1 150); do [ "$(probe focus)" = "$1" ] && return 0; sleep 0.1; done; return 1; }
# A popup menu takes keys only once its loop runs: a key sent while it is merely visible goes nowhere. Waits
# for the menu, then presses Down until an item shows highlighted (giving each press time to show), so the
# first item is highlighted and the keys that follow count from there.
menu_first_item() {
  local row
  wait_visible '#32768' || return 1
  for _ in $(seq 1 10); do
    xdotool key Down
    for _ in $(seq 1 20); do
      row=$(probe hilite)
      [ "${row:--2}" -ge 0 ] && return 0
      sleep 0.05
    done
  done
  return 1
}
# The tray menu, opened by a right click on the tray icon once the program's start is through (a sent message
# is answered only then: the icon is in); a click that opens nothing in 3 s is made again.
open_tray_menu() {
  find_tray
  [ -n "$tray_x" ] || return 1  # the checks that follow say what is missing
  probe send 1400 >/dev/null
  for _ in 1 2 3 4 5; do
    xdotool mousemove $((tray_x + 10)) $((tray_y + 10)) click 3
    for _ in $(seq 1 30); do [ "$(probe visible '#32768')" -ge 1 ] && return 0; sleep 0.1; done
  done
  return 1
}
# The tray menu and in it the language submenu.
open_language_submenu() {
  open_tray_menu || return 0
  menu_first_item
  xdotool key Down Down Right  # past the two new-sticker items to the language submenu
  for _ in $(seq 1 150); do [ "$(probe visible '#32768')" -ge 2 ] && break; sleep 0.1; done
  # Open once its first item shows highlighted (the submenu opened by a key highlights it).
  for _ in $(seq 1 50); do [ "$(probe hilite)" -ge 0 ] && break; sleep 0.1; done
}

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
"$loader" reg delete "$run_key" /v Velpiners /f >/dev/null 2>&1

# -- a first copy runs; a second one ends at once with exit code 0 and the first keeps answering
dir=$(new_folder)
first=$(start_program "$dir")
check "the controller window appears" probe wait 30
check "WM_USER 1400 answers 108" test "$(probe send 1400)" = 108
check "WM_USER 10 answers 0 with no sticker" test "$(probe send 10)" = 0
check "no base.db at start creates none" test ! -e "$dir/base.db"

second_rc=0
(cd "$dir" && timeout 90 "$loader" ./velpiners.exe) >/dev/null 2>&1 || second_rc=$?
check "a second copy ends with exit code 0" test "$second_rc" = 0
check "only one controller window exists" test "$(probe count TVelpin)" = 1
check "the first copy still answers 1400" test "$(probe send 1400)" = 108
check "no Run value without -autorun" bash -c "! '$loader' reg query '$run_key' /v Velpiners >/dev/null 2>&1"

# -- "-autorun" in the second copy still writes the Run value, then that copy ends
rc=0
(cd "$dir" && timeout 90 "$loader" ./velpiners.exe -autorun) >/dev/null 2>&1 || rc=$?
check "a second copy with -autorun ends with exit code 0" test "$rc" = 0
value=$("$loader" reg query "$run_key" /v Velpiners 2>/dev/null | tr -d '\r' | grep Velpiners)
expected=$("$loader" winepath -w "$dir/velpiners.exe" 2>/dev/null | tr -d '\r')
check "-autorun writes the Run value as REG_SZ" grep -q 'REG_SZ' <<<"$value"
check "the Run value is the bare executable path" test "$(sed -E 's/.*REG_SZ[[:space:]]+//' <<<"$value")" = "$expected"
check "the first copy still runs" test "$(probe send 1400)" = 108

stop_program "$first"
check "closing the controller ends the program" probe gone 20
check "closing writes no base.db" test ! -e "$dir/base.db"
"$loader" reg delete "$run_key" /v Velpiners /f >/dev/null 2>&1

# -- "-autorun" only as the second parameter writes nothing
dir=$(new_folder)
first=$(start_program "$dir" other -autorun)
check "started with -autorun second: controller appears" probe wait 30
check "-autorun as the second parameter writes no Run value" \
  bash -c "! '$loader' reg query '$run_key' /v Velpiners >/dev/null 2>&1"
stop_program "$first"

# -- a base.db with whole records and a tail is read without being rewritten; the first save keeps a copy
dir=$(new_folder)
head -c $((1076 * 2 + 10)) /dev/zero >"$dir/base.db"
before=$(md5sum <"$dir/base.db")
first=$(start_program "$dir")
check "starts with a base.db of 2 records and a tail" probe wait 30
check "the start does not rewrite base.db" test "$(md5sum <"$dir/base.db")" = "$before"
probe save
for _ in $(seq 1 50); do [ "$(stat -c %s "$dir/base.db")" = $((1076 * 2)) ] && break; sleep 0.2; done
check "a save writes the 2 whole records" test "$(stat -c %s "$dir/base.db")" = $((1076 * 2))
kept=$(ls "$dir"/base.db.unreadable-* 2>/dev/null)
check "the torn file is kept beside it as it was" test "$(md5sum <"$kept" 2>/dev/null)" = "$before"
stop_program "$first"

# -- base.db and config.txt whose state the system cannot tell (each a link to itself): neither is taken for
# absent. Both are told; no save writes over base.db (it cannot even be moved aside: after three saves the
# user hears that the notes are not saved) and the close does not write over config.txt.
dir=$(new_folder)
ln -s base.db "$dir/base.db"
ln -s config.txt "$dir/config.txt"
first=$(start_program "$dir")
check "starts with a base.db and a config.txt it cannot look at" probe wait 30
wait_visible '#32770'
check "base.db is told at the start" test "$(probe dismiss)" = 1
wait_hidden '#32770'
wait_visible '#32770'
check "and config.txt" test "$(probe dismiss)" = 1
wait_hidden '#32770'
probe send 11 101 >/dev/null
# Each save tries to move it once; the third failed one tells.
for _ in $(seq 1 10); do
  probe save
  for _ in $(seq 1 10); do [ "$(probe visible '#32770')" -ge 1 ] && break 2; sleep 0.1; done
done
check "saves that cannot keep base.db aside tell it once" test "$(probe dismiss)" = 1
check "nothing is written over base.db" test -L "$dir/base.db"
stop_program "$first"
check "nor over config.txt at the close" test -L "$dir/config.txt"

# -- started from a folder whose name the ANSI code page may not hold: the notes are still kept there
parent=$(mktemp -d "$run_root/parent.XXXXXX")
dir="$parent/Заметки ☺"
mkdir "$dir"
cp "$exe" "$dir/velpiners.exe"
first=$(start_program "$dir")
check "starts in a folder named in Cyrillic" probe wait 30
probe send 11 101 >/dev/null
probe save
for _ in $(seq 1 50); do [ -e "$dir/base.db" ] && break; sleep 0.2; done
check "a save writes base.db in that folder" test "$(stat -c %s "$dir/base.db" 2>/dev/null)" = 1076
stop_program "$first"

# -- stickers from base.db: 3 records and a tail open 3 windows where they were; a save writes them back
dir=$(new_folder)
probe makedb "Z:$dir/base.db" 3 10
probe makedb "Z:$dir/expected.db" 3 0
first=$(start_program "$dir")
check "starts with 3 stored stickers" probe wait 30
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 3 ] && break; sleep 0.2; done
check "3 sticker windows open" test "$(probe count TStickForm)" = 3
check "WM_USER 10 counts 3 stickers" test "$(probe send 10)" = 3
places=$(probe windows TStickForm | cut -d' ' -f1,2 | sort -n | tr '\n' ';')
check "the stickers stand at their stored places" test "$places" = "40 30;77 53;114 76;"
summaries=$(probe summaries)
check "WM_USER 300 brings 3 summaries" test "$(grep -c '^index=' <<<"$summaries")" = 3
check "summary n=1 carries index 1 and its texts" \
  grep -q '^index=1 left=77 top=53 .* style=1 layer=1 caption=Note 1 body=Body text of note 1' <<<"$summaries"
summary=$(probe summary 2)
check "WM_USER 301 n=2 answers with slot index 2" grep -q '^index=2 left=114 top=76 .*caption=Note 2' <<<"$summary"
check "WM_USER 301 beyond the last sticker answers nothing" test -z "$(probe summary 3)"
before=$(md5sum <"$dir/base.db")
probe save
for _ in $(seq 1 50); do [ "$(md5sum <"$dir/base.db")" != "$before" ] && break; sleep 0.2; done
check "a save writes 3 whole records" test "$(stat -c %s "$dir/base.db")" = $((3 * 1076))
check "the records come back unchanged but for handle, flags and caption Y" \
  test "$(probe dbcheck "Z:$dir/expected.db" "Z:$dir/base.db")" = same
stop_program "$first"

# -- monitors: a sticker stored on a monitor that is not there (2000 pixels left of the screen) is shown on the
# screen and keeps its own place in base.db; when the monitors change (WM_DISPLAYCHANGE, the work area) with
# the one monitor still there, no sticker moves and the next save writes base.db as before
dir=$(new_folder)
probe makedb "Z:$dir/base.db" 3 0
printf '\x30\xf8\xff\xff' | dd of="$dir/base.db" bs=1 seek=1036 conv=notrunc 2>/dev/null  # left -2000
stored_left() { od -An -t d4 -j 1036 -N 4 "$dir/base.db" | tr -d ' '; }
first=$(start_program "$dir")
check "starts for a monitor change" probe wait 30
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 3 ] && break; sleep 0.2; done
# Every write replaces the file: a new inode says the save is through.
saved_as() { stat -c %i "$dir/base.db"; }
written=$(saved_as)
probe save
for _ in $(seq 1 50); do [ "$(saved_as)" != "$written" ] && break; sleep 0.2; done
check "a sticker stored off every monitor is shown on the screen" \
  test "$(probe windows TStickForm | awk '$1 < 0' | wc -l)" = 0
check "its record keeps its own place" test "$(stored_left)" = -2000
places=$(probe windows TStickForm | cut -d' ' -f1,2 | tr '\n' ';')
before=$(md5sum <"$dir/base.db")
probe post TVelpin 0 0x7E 24 $((1024 << 16 | 1280))  # WM_DISPLAYCHANGE: 24 bits, 1280 x 1024
probe post TVelpin 0 0x1A 47                          # WM_SETTINGCHANGE, SPI_SETWORKAREA
for n in 0 1 2; do probe post TStickForm $n 0x7E 24 $((1024 << 16 | 1280)); done
written=$(saved_as)
probe save  # handled after what the change posted to the stickers
for _ in $(seq 1 50); do [ "$(saved_as)" != "$written" ] && break; sleep 0.2; done
check "a save follows the monitor change" test "$(saved_as)" != "$written"
check "no sticker moves when the monitors change" test "$(probe windows TStickForm | cut -d' ' -f1,2 | tr '\n' ';')" = "$places"
check "base.db is written as before the monitor change" test "$(md5sum <"$dir/base.db")" = "$before"
stop_program "$first"

# -- 300 stored stickers: 256 open, the next save writes 256
dir=$(new_folder)
probe makedb "Z:$dir/base.db" 300 0
first=$(start_program "$dir")
check "starts with 300 stored stickers" probe wait 60
for _ in $(seq 1 150); do [ "$(probe send 10)" = 256 ] && break; sleep 0.2; done
check "256 stickers open from 300 records" test "$(probe send 10)" = 256
check "256 sticker windows exist" test "$(probe count TStickForm)" = 256
probe save
for _ in $(seq 1 100); do [ "$(stat -c %s "$dir/base.db")" = $((256 * 1076)) ] && break; sleep 0.2; done
check "the next save writes 256 records" test "$(stat -c %s "$dir/base.db")" = $((256 * 1076))
stop_program "$first"

# -- the tray: right-click the icon in Wine's tray window, choose the quick new-sticker item
dir=$(new_folder)
first=$(start_program "$dir")
check "starts for the tray test" probe wait 30
find_tray
check "Wine shows its tray window" test -n "$tray_x"
if open_tray_menu; then
  menu_first_item
  xdotool key Return
  for _ in $(seq 1 75); do [ "$(probe count TStickForm)" = 1 ] && break; sleep 0.2; done
fi
check "the tray menu's new-sticker item makes a sticker" test "$(probe count TStickForm)" = 1
check "the new sticker is in the table" test "$(probe send 10)" = 1
for _ in $(seq 1 75); do [ "$(stat -c %s "$dir/base.db" 2>/dev/null)" = 1076 ] && break; sleep 0.2; done
check "a new sticker is saved at once" test "$(stat -c %s "$dir/base.db" 2>/dev/null)" = 1076
stop_program "$first"

# -- what the user makes is kept however soon the program ends: a sticker made by another program, its
# duplicate and a roll-up from its menu, then the close at once; a sticker made right before the session ends
rolled_records() {  # base.db: how many records are rolled up
  local n=0 i
  for ((i = 0; i < $(stat -c %s "$1") / 1076; i++)); do
    [ "$(od -An -t u1 -j $((1076 * i + 1036 + 16)) -N 1 "$1" | tr -d ' ')" = 0 ] && n=$((n + 1))
  done
  echo "$n"
}
dir=$(new_folder)
first=$(start_program "$dir")
check "starts for a close right after changes" probe wait 30
probe send 11 101 >/dev/null
probe post TStickForm 0 0x111 1  # the sticker menu's duplicate
for _ in $(seq 1 75); do [ "$(probe count TStickForm)" = 2 ] && break; sleep 0.2; done
probe post TStickForm 0 0x111 7  # the sticker menu's roll up, and the close at once
probe close
check "the close right after them ends the program" probe gone 20
first=$(start_program "$dir")
check "starts again" probe wait 30
# The controller answers before its start has read base.db: wait for the stickers it opens.
for _ in $(seq 1 75); do [ "$(probe send 10)" = 2 ] && break; sleep 0.2; done
check "the new sticker and its duplicate are there" test "$(probe send 10)" = 2
check "and the roll-up" test "$(rolled_records "$dir/base.db")" = 1
probe send 11 101 >/dev/null
check "a session end right after a new sticker lets it end" test "$(probe endsession)" = 1
check "the program ends with the session" probe gone 20
first=$(start_program "$dir")
check "starts once more" probe wait 30
for _ in $(seq 1 75); do [ "$(probe send 10)" = 3 ] && break; sleep 0.2; done
check "all three stickers are there" test "$(probe send 10)" = 3
stop_program "$first"

# -- the mouse on a sticker: drag it by its caption, double-click the caption to roll it up
dir=$(new_folder)
probe makedb "Z:$dir/base.db" 1 0
first=$(start_program "$dir")
check "starts with one sticker for the mouse" probe wait 30
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 1 ] && break; sleep 0.2; done
read -r left top width height <<<"$(probe windows TStickForm)"
before=$(md5sum <"$dir/base.db")
# The stored sticker has a 48-pixel icon: 22 transparent rows on top (click-through, like the pixels
# around the skin), the caption strip from row 22.
xdotool mousemove $((left + 60)) $((top + 50)); sleep 0.2
xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((left + 60 + step * 12)) $((top + 50 + step * 7)); sleep 0.05
done
xdotool mouseup 1
for _ in $(seq 1 50); do [ "$(md5sum <"$dir/base.db")" != "$before" ] && break; sleep 0.2; done
read -r new_left new_top _ _ <<<"$(probe windows TStickForm)"
check "a drag moves the sticker with the pointer" test "$new_left,$new_top" = "$((left + 120)),$((top + 70))"
stored=$(od -An -t d4 -j $((1036)) -N 8 "$dir/base.db" | tr -s ' ' | sed 's/^ //')
check "the end of the drag saves the new place to base.db" test "$stored" = "$new_left $new_top"
before=$(md5sum <"$dir/base.db")
xdotool mousemove $((new_left + 60)) $((new_top + 34)) click --repeat 2 --delay 80 1
for _ in $(seq 1 50); do [ "$(md5sum <"$dir/base.db")" != "$before" ] && break; sleep 0.2; done
read -r _ _ _ rolled_height <<<"$(probe windows TStickForm)"
check "a double click on the caption rolls the sticker up" test "$rolled_height" -lt "$height"
check "the rolled-up state is saved" test "$(od -An -t u1 -j $((1036 + 16)) -N 1 "$dir/base.db" | tr -d ' ')" = 0
stop_program "$first"

# -- the real mouse on stickers that do not have the focus: the first right click opens the menu on either
# layer; a close from another program ends no sticker and saves go on
dir=$(new_folder)
probe makelayers "Z:$dir/base.db"
first=$(start_program "$dir")
check "starts with a topmost and a desktop sticker" probe wait 30
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 2 ] && break; sleep 0.2; done
for layer in desktop:560 topmost:160; do
  xdotool mousemove "${layer#*:}" 140 click 3
  wait_visible '#32768'
  sleep 1  # still open a moment later, not closed again by the focus the click moved
  check "the first right click on the unfocused ${layer%:*} sticker opens its menu" \
    test "$(probe visible '#32768')" -ge 1
  xdotool key Escape
  wait_hidden '#32768'
done
# The first item: duplicate (a menu that a slow start closed again before the keys came is opened again).
for _ in 1 2 3; do
  xdotool mousemove 560 140 click 3
  menu_first_item && xdotool key Return
  for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 3 ] && break 2; sleep 0.2; done
  xdotool key Escape
done
check "an item of that menu acts on the sticker (a duplicate)" test "$(probe count TStickForm)" = 3
probe post TStickForm 0 0x10  # WM_CLOSE
probe post TStickForm 1 0x112 0xF060  # WM_SYSCOMMAND SC_CLOSE, as Alt+F4 sends it
sleep 5  # under Wine without a window manager, hiding a window that was once active takes 2 s per window
check "WM_CLOSE or the system close from another program ends no sticker" test "$(probe count TStickForm)" = 3
probe save
for _ in $(seq 1 50); do [ "$(stat -c %s "$dir/base.db")" = $((3 * 1076)) ] && break; sleep 0.2; done
check "the next save writes all 3 stickers" test "$(stat -c %s "$dir/base.db")" = $((3 * 1076))
stop_program "$first"

# -- a damaged pack in pic\: while its error box shows, other programs and the tray menu get answers
dir=$(new_folder)
probe makedb "Z:$dir/base.db" 2 0
before=$(md5sum <"$dir/base.db")
mkdir "$dir/pic"
printf '\001\000\000' >"$dir/pic/damaged.vpi"
first=$(start_program "$dir")
check "starts with a damaged pack in pic" probe wait 30
wait_visible '#32770'
check "the pack's error box shows" test "$(probe visible '#32770')" -ge 1
check "while it shows, WM_USER 10 answers 0" test "$(probe send 10)" = 0
check "while it shows, WM_USER 1400 answers 108" test "$(probe send 1400)" = 108
check "while it shows, a record report is answered" test "$(probe report)" = 0
probe taskbar
probe save
open_tray_menu
check "while it shows, the tray menu opens" test "$(probe visible '#32768')" -ge 1
xdotool key Escape
wait_hidden '#32768'
check "while it shows, nothing is written over base.db" test "$(md5sum <"$dir/base.db")" = "$before"
probe dismiss >/dev/null
wait_hidden '#32770'
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 2 ] && break; sleep 0.2; done
sleep 1
check "then the stored stickers open, once" test "$(probe count TStickForm),$(probe send 10)" = "2,2"
stop_program "$first"

# -- config.txt: the first start on a Russian system (code page 1251, language 1049) chooses Russian, the
# close writes all 22 keys
dir=$(new_folder)
program_env=(LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8)
first=$(start_program "$dir")
program_env=()
check "starts without config.txt on a Russian system" probe wait 30
check "the start writes no config.txt" test ! -e "$dir/config.txt"
stop_program "$first"
check "the close ends the program" probe gone 20
check "the close writes config.txt with all 22 keys" test "$(ini_keys "$dir/config.txt")" = 22
check "the Russian system's first start chose Russian" \
  test "$(ini_value "$dir/config.txt" Language DefualtLanguageRus),$(ini_value "$dir/config.txt" Language DefualtLanguageEng)" = 1,0
check "no hot key was chosen (-1) and the start's style 5 is kept" \
  test "$(ini_value "$dir/config.txt" HotKey NEW),$(ini_value "$dir/config.txt" Default Style)" = -1,5

# -- the same folder started on a western system (code page 1252): Russian stays; the language submenu lists
# the shipped language files with their flags
cp -r build/win32/Languages "$dir/Languages"
printf '[Settings]\r\npattern=mine.pat\r\n' >>"$dir/config.txt"
first=$(start_program "$dir")
check "starts again with Russian chosen" probe wait 30
open_language_submenu
check "the language submenu opens" test "$(probe visible '#32768')" -ge 2
import -window root build/language-menu.png 2>/dev/null
# The submenu is the popup further right: 2 files and 2 built-ins (21 pixels each) and a separator, with flags.
read -r menu_left menu_top menu_width menu_height < <(probe windows '#32768' | sort -n | tail -1)
check "the language submenu holds four 21-pixel items and a separator" test "${menu_height:-0}" -ge 84
colours=$(convert build/language-menu.png -crop "${menu_width:-1}x${menu_height:-1}+${menu_left:-0}+${menu_top:-0}" \
  +repage -format %k info: 2>/dev/null)
check "its items show their flags (screenshot build/language-menu.png)" test "${colours:-0}" -gt 40
xdotool key Escape Escape
wait_hidden '#32768'
stop_program "$first"
check "the close ends the program again" probe gone 20
check "Russian is still the language" test "$(ini_value "$dir/config.txt" Language DefualtLanguageRus)" = 1
check "the close keeps the other keys of config.txt" test "$(ini_value "$dir/config.txt" Settings pattern)" = mine.pat

# -- a config.txt that cannot be written at close: the error shows, and the program still ends
dir=$(new_folder)
first=$(start_program "$dir")
check "starts for the read-only config.txt" probe wait 30
printf '[HotKey]\r\nNEW=2\r\n' >"$dir/config.txt"
before=$(md5sum <"$dir/config.txt")
make_read_only "$dir/config.txt"
probe close
wait_visible '#32770'
check "a read-only config.txt at close shows the error" test "$(probe visible '#32770')" -ge 1
probe dismiss >/dev/null
check "after the error the program ends" probe gone 20
check "the read-only config.txt is unchanged" test "$(md5sum <"$dir/config.txt")" = "$before"
undo_read_only

# -- the end of the Windows session: the answer is 1, config.txt is written and the program ends
dir=$(new_folder)
first=$(start_program "$dir")
check "starts for the session end" probe wait 30
check "WM_QUERYENDSESSION answers 1" test "$(probe endsession)" = 1
check "the session end ends the program" probe gone 20
check "the session end writes config.txt with all 22 keys" test "$(ini_keys "$dir/config.txt")" = 22
wait "$first" 2>/dev/null

# -- the properties dialog with the real mouse: a double click on a sticker's body opens it on the text page;
# a new text, another style and a random colour, OK; the sticker shows them and the next save stores them
dir=$(new_folder)
probe makelayers "Z:$dir/base.db"
first=$(start_program "$dir")
check "starts for the properties dialog" probe wait 30
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 2 ] && break; sleep 0.2; done
read -r _ _ sticker_width sticker_height <<<"$(probe windows TStickForm | head -1)"
xdotool mousemove 160 145 click --repeat 2 --delay 80 1
wait_visible TSettingsForm
check "a double click on a sticker's body opens its properties" test "$(probe visible TSettingsForm)" = 1
check "while it shows, the controller answers other programs" test "$(probe send 10)" = 2
rm -f "$dir/base.db"
probe save
for _ in $(seq 1 50); do [ -e "$dir/base.db" ] && break; sleep 0.2; done
check "while it shows, a save cycle still writes base.db" test "$(stat -c %s "$dir/base.db" 2>/dev/null)" = $((2 * 1076))
read -r cx cy <<<"$(probe client TSettingsForm)"
# Places in the dialog's client area: the memo on the text page, the appearance tab, the style list, the
# random colour button, OK.
xdotool mousemove $((cx + 60)) $((cy + 54)) click 1
wait_focus Edit
xdotool key ctrl+End
xdotool type --delay 20 ' and eggs, ham, cheese and toast'  # a line more in any font
xdotool mousemove $((cx + 157)) $((cy + 18)) click 1
sleep 0.5
xdotool mousemove $((cx + 93)) $((cy + 186)) click 1
sleep 0.5
xdotool key Down Return
xdotool mousemove $((cx + 325)) $((cy + 129)) click 1
sleep 0.3
import -window root build/properties-dialog-e2e.png 2>/dev/null
xdotool mousemove $((cx + 157)) $((cy + 261)) click 1
wait_hidden TSettingsForm
check "OK closes the dialog" test "$(probe visible TSettingsForm)" = 0
probe save
for _ in $(seq 1 50); do grep -aq 'and eggs' "$dir/base.db" 2>/dev/null && break; sleep 0.2; done
check "the save stores the new text" grep -aq 'topmost layer and eggs' "$dir/base.db"
check "and the next style" test "$(od -An -t u1 -j $((1036 + 10)) -N 1 "$dir/base.db" | tr -d ' ')" = 1
check "and a new colour" test "$(od -An -t u4 -j $((1036 + 12)) -N 4 "$dir/base.db" | tr -d ' ')" != $((0x3050D0))
read -r _ _ new_width new_height <<<"$(probe windows TStickForm | head -1)"
check "the sticker is laid out anew" test "$new_width,$new_height" != "$sticker_width,$sticker_height"
stop_program "$first"

# -- the about box: the tray's about command shows it centred; the real mouse on its close button hides it
dir=$(new_folder)
first=$(start_program "$dir")
check "starts for the about box" probe wait 30
probe post TVelpin 0 0x111 11  # the tray menu's NAbout
wait_visible TAboutForm
read -r about_left about_top about_width about_height <<<"$(probe windows TAboutForm)"
check "the about box shows centred on the screen" \
  test "$about_left,$about_top,$about_width,$about_height" = "$(((1280 - 347) / 2)),$(((1024 - 273) / 2)),347,273"
xdotool mousemove $((about_left + 60)) $((about_top + 100)) mousedown 1 mousemove $((about_left + 90)) \
  $((about_top + 130)) mouseup 1
sleep 0.5
read -r moved_left moved_top _ _ <<<"$(probe windows TAboutForm)"
check "the left button drags the about box" test "$moved_left,$moved_top" = "$((about_left + 30)),$((about_top + 30))"
xdotool mousemove $((moved_left + 347 - 30)) $((moved_top + 15)) click 1
wait_hidden TAboutForm
check "its close button hides it" test "$(probe visible TAboutForm)" = 0
stop_program "$first"

# -- all 17 styles on the screen: each shows its skin; the screenshot is kept as the gallery
dir=$(new_folder)
probe makegallery "Z:$dir/base.db"
first=$(start_program "$dir")
check "starts with one sticker per style" probe wait 30
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 17 ] && break; sleep 0.2; done
check "17 sticker windows open" test "$(probe count TStickForm)" = 17
sleep 1
import -window root build/sticker-gallery.png 2>/dev/null
painted=0
while read -r left top width height; do
  # Each sticker's area shows its skin or (style 16) at least its texts: many colours, not a flat desktop.
  colours=$(convert build/sticker-gallery.png -crop "${width}x${height}+${left}+${top}" +repage -format %k info: 2>/dev/null)
  [ "${colours:-0}" -gt 20 ] && painted=$((painted + 1))
done < <(probe windows TStickForm)
check "every style paints its sticker (screenshot build/sticker-gallery.png)" test "$painted" = 17
gallery_96=$(probe windows TStickForm)
stop_program "$first"

# -- at 144 and 192 dots per inch (Wine's LogPixels, read at each program's start) every sticker of the gallery
# is 1.5 and 2 times its size at 96: a skin's width and height exactly, rounded half up; a size the text
# decides as the text in the font made at that resolution (within 10 % below, 2 % above). The 144-dpi gallery
# is kept as a screenshot; LogPixels is put back as it was, so the later steps run at 96.
desktop_key='HKCU\Control Panel\Desktop'
logpixels_before=$("$loader" reg query "$desktop_key" /v LogPixels 2>/dev/null | tr -d '\r' |
  awk '$1 == "LogPixels" { print $3 }')
set_logpixels() { "$loader" reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
restore_logpixels() {
  if [ -n "$logpixels_before" ]; then
    set_logpixels "$((logpixels_before))"
  else
    "$loader" reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1
  fi
}
# Windows listed as "left top width height", one gallery per list: sorted by row and column, each list is in
# style order, whatever the grid.
scaled_gallery() {  # dpi, the windows at 96, the windows at dpi
  awk -v dpi="$1" 'function s(n) { return int((n * dpi + 48) / 96) }
    NR == FNR { w[FNR] = $3; h[FNR] = $4; next }
    { n++; sw = s(w[FNR]); sh = s(h[FNR])
      if (w[FNR] == 239) { if ($3 != sw || $4 != sh) bad++ }
      else if ($3 < 0.9 * sw || $3 > 1.02 * sw || $4 < 0.9 * sh || $4 > 1.02 * sh) bad++ }
    END { exit !(n == 17 && bad == 0) }' <(sort -n -k2 -k1 <<<"$2") <(sort -n -k2 -k1 <<<"$3")
}
for dpi in 144 192; do
  dir=$(new_folder)
  # At 144 a grid that fits the screen at that scale (for the screenshot); at 192 the 96-dpi one.
  if [ "$dpi" = 144 ]; then probe makegallery "Z:$dir/base.db" 144; else probe makegallery "Z:$dir/base.db"; fi
  set_logpixels "$dpi"
  first=$(start_program "$dir")
  check "starts with the gallery at $dpi dpi" probe wait 30
  for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 17 ] && break; sleep 0.2; done
  gallery_scaled=$(probe windows TStickForm)
  check "at $dpi dpi every sticker is $dpi/96 times its size at 96" scaled_gallery "$dpi" "$gallery_96" "$gallery_scaled"
  if [ "$dpi" = 144 ]; then
    probe send 1400 >/dev/null  # answered once every command posted at the start has run
    import -window root build/sticker-gallery-150.png 2>/dev/null
    painted=0
    while read -r left top width height; do
      colours=$(convert build/sticker-gallery-150.png -crop "${width}x${height}+${left}+${top}" +repage -format %k info: 2>/dev/null)
      [ "${colours:-0}" -gt 20 ] && painted=$((painted + 1))
    done <<<"$gallery_scaled"
    check "every style paints its sticker at 144 dpi (screenshot build/sticker-gallery-150.png)" test "$painted" = 17
  fi
  stop_program "$first"
  restore_logpixels
done

# -- the new-sticker dialog with the real mouse and keyboard: the tray's double click opens it, the typed caption
# and text and OK make the sticker, the close keeps the chosen look in config.txt
# Places in the dialog from its window's top-left corner (a tool window: 3-pixel frame, 19-pixel caption).
dialog_caption=(244 67); dialog_topmost=(17 280); dialog_ok=(278 280)
dialog_tabs=(40 37 109 37 170 37 232 37)  # text, appearance, text options, patterns (inside each tab in either dialog font)
dialog_click() {  # x y: a click at that place of the dialog
  local left top
  read -r left top _ _ <<<"$(probe windows TFormStickerMess)"
  xdotool mousemove $((left + $1)) $((top + $2)) click 1
  sleep 0.3
}
tray_double_click() {
  local left top
  find_tray
  probe send 1400 >/dev/null  # answered once the start is through: the icon is in
  for _ in 1 2 3; do
    [ -n "$tray_x" ] && xdotool mousemove $((tray_x + 10)) $((tray_y + 10)) click --repeat 2 --delay 80 1
    for _ in $(seq 1 50); do [ "$(probe visible TFormStickerMess)" -ge 1 ] && break 2; sleep 0.1; done
  done
  # Without a window manager the keys go to the window under the pointer.
  read -r left top _ _ <<<"$(probe windows TFormStickerMess)"
  xdotool mousemove $((left + 200)) $((top + 10))
  wait_focus Edit  # the text box takes the keys once the dialog has given it the focus
}
dir=$(new_folder)
first=$(start_program "$dir")
check "starts for the new-sticker dialog" probe wait 30
tray_double_click
check "a double click on the tray icon opens the new-sticker dialog" test "$(probe visible TFormStickerMess)" = 1
# The text box has the focus with its proposed text selected: typing replaces it.
xdotool type --delay 20 "Two litres"
dialog_click "${dialog_caption[@]}"
xdotool key End shift+Home
xdotool type --delay 20 "Buy milk"
read -r left top width height <<<"$(probe windows TFormStickerMess)"
import -window root -crop "${width}x${height}+${left}+${top}" +repage build/new-sticker-dialog.png 2>/dev/null
dialog_click "${dialog_topmost[@]}"
tray_double_click  # the dialog shows: nothing is filled anew (the typed texts reach the sticker below)
check "another double click while it shows leaves the one dialog" test "$(probe visible TFormStickerMess)" = 1
dialog_click "${dialog_ok[@]}"
wait_hidden TFormStickerMess
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 1 ] && break; sleep 0.2; done
summary=$(probe summaries)
check "OK makes one sticker with the typed caption and text (screenshot build/new-sticker-dialog.png)" \
  grep -q 'caption=Buy milk body=Two litres$' <<<"$summary"
check "the sticker is on the desktop layer, as Topmost was unchecked" grep -q ' layer=1 ' <<<"$summary"
stop_program "$first"
check "the close ends the program after the dialog" probe gone 20
check "config.txt keeps not-topmost as the default for new stickers" test "$(ini_value "$dir/config.txt" Default Pos)" = 0

# -- the other ways to the dialog: the tray menu's "New sticker (Properties)" and the hot key Win and "+"
dir=$(new_folder)
cp build/win32/HotKey.dll "$dir/"
printf '[HotKey]\r\nNEW=0\r\n' >"$dir/config.txt"
first=$(start_program "$dir")
check "starts with HotKey.dll and Win and + chosen" probe wait 30
if open_tray_menu; then
  menu_first_item
  xdotool key Down Return
fi
wait_visible TFormStickerMess
check "the tray menu's New sticker (Properties) opens the dialog" test "$(probe visible TFormStickerMess)" = 1
dialog_click 200 10  # its caption: the keys go there
xdotool key Escape
wait_hidden TFormStickerMess
check "Esc closes the dialog and makes no sticker" test "$(probe visible TFormStickerMess),$(probe count TStickForm)" = 0,0
[ -n "$tray_x" ] && xdotool mousemove $((tray_x + 10)) $((tray_y + 10))  # keys reach Wine over its windows
xdotool key super+plus
wait_visible TFormStickerMess
check "the hot key Win and + opens the dialog" test "$(probe visible TFormStickerMess)" = 1
dialog_click 200 10
xdotool key Escape
wait_hidden TFormStickerMess
stop_program "$first"

# -- at 144 dots per inch (Wine reads LogPixels when a program starts, and the setting goes back as it was
# once the program has read it): the properties dialog is made half as large again, 361 x 281 -> 542 x 422,
# and its controls with it; Cancel is where it belongs at that scale
set_logpixels 144
dir=$(new_folder)
probe makelayers "Z:$dir/base.db"
first=$(start_program "$dir")
check "starts at 144 dots per inch" probe wait 30
restore_logpixels
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 2 ] && break; sleep 0.2; done
# A double click on the first sticker's body, two thirds down its window, whatever size it has at this scale.
read -r sx sy sw sh <<<"$(probe windows TStickForm | head -1)"
xdotool mousemove $((sx + sw / 2)) $((sy + sh * 2 / 3)) click --repeat 2 --delay 80 1
wait_visible TSettingsForm
check "at 144 the double click opens the properties" test "$(probe visible TSettingsForm)" = 1
check "at 144 the properties dialog is 542 x 422" test "$(probe clientsize TSettingsForm)" = "542 422"
sleep 0.3  # the screenshot only: the dialog's first paint
import -window root build/properties-dialog-144.png 2>/dev/null
read -r cx cy <<<"$(probe client TSettingsForm)"
xdotool mousemove $((cx + (199 + 37) * 3 / 2)) $((cy + (249 + 12) * 3 / 2)) click 1  # Cancel's middle
wait_hidden TSettingsForm
check "at 144 Cancel in its scaled place closes the dialog" test "$(probe visible TSettingsForm)" = 0
stop_program "$first"

source "$(dirname "$0")/notes_kept.sh"
# -- the trash: a sticker deleted by the real mouse on its close pin comes back from "Deleted notes" (the
# command its newest entry carries) with the same texts, place and look
dir=$(new_folder)
probe makedb "Z:$dir/base.db" 1 0
first=$(start_program "$dir")
check "starts with one sticker for the trash" probe wait 30
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 1 ] && break; sleep 0.2; done
read -r left top width height <<<"$(probe windows TStickForm)"
before=$(probe summaries)
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$run_root/kept.png" 2>/dev/null
# A click on the body gives the sticker the focus and shows its pins (under Wine a window's first activation
# may lose it again: a click that gave none is made again, after the double-click time has passed); a click on
# the close pin then deletes it.
for _ in 1 2 3; do
  xdotool mousemove $((left + 110)) $((top + 60)) click 1
  for _ in $(seq 1 30); do [ "$(probe focus)" = TStickForm ] && break 2; sleep 0.1; done
done
xdotool mousemove $((left + width - 26 + 9)) $((top + height - 25 + 7)) click 1
for _ in $(seq 1 50); do [ "$(probe send 10)" = 0 ] && break; sleep 0.2; done
check "a click on the close pin deletes the sticker" test "$(probe send 10)" = 0
for _ in $(seq 1 50); do [ "$(stat -c %s "$dir/trash.db" 2>/dev/null)" = 1076 ] && break; sleep 0.2; done
check "the deleted sticker is in trash.db" test "$(stat -c %s "$dir/trash.db" 2>/dev/null)" = 1076
wait_hidden TStickForm
xdotool mousemove 5 5  # the pointer away from where the sticker comes back
probe post TVelpin 0 0x111 900  # "Deleted notes": its newest entry
for _ in $(seq 1 50); do [ "$(probe send 10)" = 1 ] && break; sleep 0.2; done
wait_visible TStickForm
check "Deleted notes brings it back with its texts and place" test "$(probe summaries)" = "$before"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$run_root/back.png" 2>/dev/null
check "and its look" test "$(compare -metric AE "$run_root/kept.png" "$run_root/back.png" null: 2>&1)" = 0
for _ in $(seq 1 50); do [ "$(stat -c %s "$dir/trash.db" "$dir/base.db" 2>/dev/null | paste -sd,)" = 0,1076 ] && break; sleep 0.2; done
check "it is out of the trash and saved again" test "$(stat -c %s "$dir/trash.db"),$(stat -c %s "$dir/base.db")" = 0,1076
stop_program "$first"

# -- snapshots: the day's first save copies base.db into backup\ once; "Restore notes" (the command of its
# newest entry, confirmed with the real mouse) brings that copy's stickers back and keeps the others as a copy
dir=$(new_folder)
probe makedb "Z:$dir/base.db" 3 0
original=$(md5sum <"$dir/base.db")
first=$(start_program "$dir")
check "starts with 3 stickers for the snapshots" probe wait 30
for _ in $(seq 1 50); do [ "$(probe send 10)" = 3 ] && break; sleep 0.2; done
probe send 11 101 >/dev/null  # a 4th sticker: its save is the day's first
for _ in $(seq 1 50); do [ "$(stat -c %s "$dir/base.db")" = $((4 * 1076)) ] && break; sleep 0.2; done
copies=$(ls "$dir/backup" 2>/dev/null)
check "the day's first save makes one copy, named for the day" grep -qxE 'base-[0-9]{8}\.db' <<<"$copies"
check "holding base.db as it was before the save" test "$(md5sum <"$dir/backup/$copies")" = "$original"
probe send 11 101 >/dev/null
for _ in $(seq 1 50); do [ "$(stat -c %s "$dir/base.db")" = $((5 * 1076)) ] && break; sleep 0.2; done
check "a later save makes no other copy" test "$(ls "$dir/backup" | wc -l)" = 1
probe post TVelpin 0 0x111 930  # "Restore notes": its newest entry
wait_visible TFormDialog
read -r cx cy <<<"$(probe client TFormDialog)"
xdotool mousemove $((cx + 181)) $((cy + 92)) click 1  # OK
for _ in $(seq 1 75); do [ "$(stat -c %s "$dir/base.db")" = $((3 * 1076)) ] && break; sleep 0.2; done
check "the restore brings back the copy's 3 stickers" test "$(probe send 10)" = 3
probe makedb "Z:$dir/expected.db" 3 0
check "and saves them as they were" test "$(probe dbcheck "Z:$dir/expected.db" "Z:$dir/base.db")" = same
check "the 5 stickers before the restore are kept as a copy" \
  test "$(stat -c %s "$dir"/backup/base-*-*.db 2>/dev/null)" = $((5 * 1076))
stop_program "$first"

source "$(dirname "$0")/package.sh"

echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
