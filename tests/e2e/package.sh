# End-to-end checks of the portable package, sourced by tests/e2e/run.sh (its helpers and counters): the zip
# users download holds the 32-bit program and the samples and nothing else; the same package of the build
# this machine runs, unpacked into a fresh folder and started there, finds its samples (language files,
# patterns, the icon pack) and writes nothing beside itself but base.db and config.txt.

version=$(sed -nE 's/^project\(Velpiners VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
package_folder=$(mktemp -d "$run_root/package.XXXXXX")
shipped_files() {
  printf "velpiners-$version/%s\n" HotKey.dll Languages/Deutsch.lng Languages/Ukrainian.lng \
    patterns/081226_090000.pat patterns/081226_090100.pat patterns/081226_090200.pat pic/sample.vpi readme.txt \
    velpiners.exe | sort
}

# -- the zip users download: the 32-bit program, which this machine may not be able to run
if [ "$(windows_arch)" = i686 ]; then users_build=build/win32; else users_build=build/win32-i686; fi
bash scripts/package --from "$users_build" --output "$package_folder/users.zip" >/dev/null 2>&1
check "the package holds the program, HotKey.dll, the samples and readme.txt, nothing else" \
  test "$(unzip -Z1 "$package_folder/users.zip" 2>/dev/null | grep -v '/$' | sort)" = "$(shipped_files)"
check "its velpiners.exe is a 32-bit Windows program" bash -c \
  "unzip -p '$package_folder/users.zip' 'velpiners-$version/velpiners.exe' | file - | grep -q 'PE32 executable (GUI) Intel 80386'"
check "its HotKey.dll is a 32-bit Windows library" bash -c \
  "unzip -p '$package_folder/users.zip' 'velpiners-$version/HotKey.dll' | file - | grep -q 'PE32 executable (DLL).*Intel 80386'"

# -- the same package of the program this machine runs, unpacked into a fresh folder and started there
bash scripts/package --from build/win32 --output "$package_folder/here.zip" >/dev/null 2>&1
unzip -q "$package_folder/here.zip" -d "$package_folder/unpacked" 2>/dev/null
dir="$package_folder/unpacked/velpiners-$version"
shipped=$(cd "$dir" 2>/dev/null && find . -type f | sort | xargs md5sum)
first=$(start_program "$dir")
check "the unpacked program starts" probe wait 30

open_language_submenu
# Both sample language files and the two built-in languages (21 pixels each) and a separator.
read -r _ _ _ menu_height < <(probe windows '#32768' | sort -n | tail -1)
check "the language submenu lists the sample language files" test "${menu_height:-0}" -ge 84
xdotool key Escape Escape
wait_hidden '#32768'

# A pattern loaded in the new-sticker dialog, then an icon of the sample pack picked, and OK.
tray_double_click
check "the unpacked program's new-sticker dialog opens" test "$(probe visible TFormStickerMess)" = 1
dialog_click "${dialog_tabs[6]}" "${dialog_tabs[7]}"
dialog_click 144 225  # the pattern box: its list opens
wait_visible ComboLBox
xdotool key Down Return  # the first sample pattern, "Mint list"
sleep 0.3
dialog_click 342 225  # Load
dialog_click "${dialog_tabs[2]}" "${dialog_tabs[3]}"
dialog_click 294 202  # the icon box: its list opens
wait_visible ComboLBox
xdotool key End Return  # the last icon: the sample pack's last
sleep 0.3
dialog_click "${dialog_ok[@]}"
wait_hidden TFormStickerMess
for _ in $(seq 1 50); do [ "$(probe count TStickForm)" = 1 ] && break; sleep 0.2; done
summary=$(probe summaries)
check "a sample pattern loads: the new sticker has its style" grep -q ' style=10 ' <<<"$summary"
check "a sticker can take an icon of the sample pack" grep -q ' picture=106 ' <<<"$summary"
for _ in $(seq 1 50); do [ -e "$dir/base.db" ] && break; sleep 0.2; done
stop_program "$first"
check "the unpacked program ends" probe gone 20
check "it wrote base.db and config.txt beside itself" test -f "$dir/base.db" -a -f "$dir/config.txt"
check "and nothing else: every shipped file is as it was" \
  test "$(cd "$dir" && find . -type f ! -name base.db ! -name config.txt | sort | xargs md5sum)" = "$shipped"
