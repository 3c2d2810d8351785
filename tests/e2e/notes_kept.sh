# End-to-end: notes that cannot be lost. Sourced by run.sh (its helpers: new_folder, start_program, probe,
# check, open_tray_menu, menu_first_item, wait_visible). One folder, one run of the program on a Russian
# system (code page 1251), one flow per feature:
#   - base.db replaced by another program between two saves is kept aside with that program's bytes, and the
#     program's file holds its own notes again;
#   - "Add notes from a file..." through the real Open dialog (the kept file's name typed into it) adds the
#     note that is new and skips the one open already;
#   - "Find a note..." (WM_USER 11/103) with a word typed brings a rolled-up sticker into view, unrolled;
#   - "Export notes..." through the real Save dialog writes the notes as UTF-8, byte for byte.

# The tray menu's item this many Down presses below its first one (separators are skipped).
choose_tray_item() {  # downs
  open_tray_menu || return 1
  menu_first_item || return 1
  local i
  for i in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
}
# Types a Windows path into the common dialog that has just opened (its file name box has the focus).
type_into_file_dialog() {  # path
  wait_visible '#32770' || return 1
  wait_focus Edit || return 1  # its file name box takes the keys once it has the focus
  xdotool type --delay 20 "$1"
  xdotool key Return
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

dir=$(new_folder)
probe makenotes "Z:$dir/base.db" mine
printf '[Language]\r\nDefualtLanguageEng=1\r\nDefualtLanguageRus=0\r\n' >"$dir/config.txt"  # English texts
program_env=(LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8)
first=$(start_program "$dir")
program_env=()
check "notes: starts with two stored notes" probe wait 30
for _ in $(seq 1 150); do [ "$(probe count TStickForm)" = 2 ] && break; sleep 0.1; done
before=$(md5sum <"$dir/base.db")
probe save
for _ in $(seq 1 100); do [ "$(md5sum <"$dir/base.db")" != "$before" ] && break; sleep 0.1; done
ours=$(md5sum <"$dir/base.db")
check "notes: the program's own save rewrites base.db" test "$ours" != "$before"

# Another computer's base.db arrives through a synced folder.
probe makenotes "Z:$dir/base.db" theirs
theirs=$(md5sum <"$dir/base.db")
probe save
kept=""
for _ in $(seq 1 100); do kept=$(ls "$dir"/base.db.changed-* 2>/dev/null | head -1); [ -n "$kept" ] && break; sleep 0.1; done
check "notes: the other writer's base.db is kept aside with its bytes" test "$(md5sum <"$kept" 2>/dev/null)" = "$theirs"
for _ in $(seq 1 50); do [ "$(stat -c %s "$dir/base.db")" = $((1076 * 2)) ] && break; sleep 0.1; done
check "notes: base.db holds the program's own two notes again" \
  test "$(stat -c %s "$dir/base.db")" = $((1076 * 2)) -a "$(md5sum <"$dir/base.db")" != "$theirs"

# Add notes from a file: past New sticker, New sticker (Properties), Language, HotKey, Stickers, About,
# Action, Find and Export.
if choose_tray_item 9; then type_into_file_dialog "$(windows_path "$kept")"; fi
for _ in $(seq 1 150); do [ "$(probe send 10)" = 3 ] && break; sleep 0.1; done
check "notes: adding the kept file makes the one new note, the open one is skipped" test "$(probe send 10)" = 3
for _ in $(seq 1 50); do [ "$(probe visible '#32770')" -ge 1 ] && break; sleep 0.1; done
told=$(probe boxtext | tr -d '\r')
check "notes: the counts are told (1 added, 1 skipped, the torn end)" \
  grep -qz 'Notes added: 1.Already open, skipped: 1.Not added, no room (256 at most): 0.The file does not end' \
  <<<"$(tr '\n' '.' <<<"$told")"
probe dismiss >/dev/null
wait_hidden '#32770'

# Find a note: the rolled-up "Milk", stored far off the screen (shown on it for this run).
check "notes: the milk note starts rolled up" grep -q ' unrolled=0 .*caption=Milk ' <<<"$(probe summaries)"
probe send 11 103 >/dev/null
wait_visible TFindForm
read -r find_left find_top _ _ <<<"$(probe windows TFindForm)"
xdotool mousemove $((find_left + 60)) $((find_top + 8)) click 1  # its caption: the keys go there
xdotool type --delay 20 "milk"
xdotool key Return
milk=""
for _ in $(seq 1 100); do
  milk=$(probe summaries | grep 'caption=Milk ')
  grep -q ' unrolled=1 ' <<<"$milk" && break
  sleep 0.1
done
read -r milk_left <<<"$(sed -nE 's/.* left=(-?[0-9]+) .*/\1/p' <<<"$milk")"
check "notes: Find brings it unrolled onto the screen" \
  test "$(grep -c ' unrolled=1 ' <<<"$milk"),$((${milk_left:--1} >= 0))" = "1,1"
probe post TFindForm 0 0x0010 >/dev/null  # WM_CLOSE
wait_hidden TFindForm

# Export: past ... Action and Find. The notes in slot order, the new one with its Cyrillic caption and its
# line break as CR LF.
if choose_tray_item 8; then type_into_file_dialog "$(windows_path "$dir/notes.txt")"; fi
for _ in $(seq 1 100); do [ -s "$dir/notes.txt" ] && break; sleep 0.1; done
printf '\xEF\xBB\xBFMilk \xE2\x80\x94 8.12.26\r\n\r\nTwo litres\r\n\r\nDentist \xE2\x80\x94 8.12.26\r\n\r\nTuesday at 10\r\n\r\n\xD0\x9A\xD0\xBD\xD0\xB8\xD0\xB3\xD0\xB8 & pens \xE2\x80\x94 8.12.26\r\n\r\nLine 1\r\nLine 2\r\n' \
  >"$dir/expected.txt"
check "notes: the export's bytes are the notes in UTF-8" cmp -s "$dir/notes.txt" "$dir/expected.txt"
stop_program "$first"
