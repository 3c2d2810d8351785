# Shared helpers of the scripts: sourced, never run.

VELPINERS_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# True when this kernel can execute 32-bit x86 programs (needed by 32-bit Wine). Some virtual machines run
# kernels without IA32 emulation; there only 64-bit Wine works. The probe is a 93-byte static i386 ELF
# that calls exit(0).
can_run_i386() {
  local f rc
  f=$(mktemp)
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$f"
  chmod +x "$f"
  "$f" 2>/dev/null
  rc=$?
  rm -f "$f"
  return $rc
}

# The Windows architecture that the build in build/win32 targets on this machine: i686 (the shipped
# program) where 32-bit Wine can run it, else x86_64 so that the tests and the program run under 64-bit Wine.
windows_arch() {
  if [ -n "${VELPINERS_WIN_ARCH:-}" ]; then echo "$VELPINERS_WIN_ARCH"; return; fi
  if can_run_i386; then echo i686; else echo x86_64; fi
}

# The Wine loader for this machine: 64-bit Wine where 32-bit programs cannot run.
wine_loader() {
  if [ -x /usr/lib/wine/wine64 ] && ! can_run_i386; then echo /usr/lib/wine/wine64; else echo wine; fi
}

# Boots the Wine prefix $WINEPREFIX once (with the loader $1 and the wineserver $2), then puts Wine's own
# fonts (Tahoma, the stickers' default face, among them) into its Fonts folder. Debian's Wine neither copies
# them there at the boot nor reads them from its data folder, so a prefix without them offers the program
# only the system's fontconfig faces: font boxes then find no sticker's font. Fonts already there stay.
boot_prefix() {  # loader wineserver
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$1" wineboot -i >/dev/null 2>&1
    "$2" -w
  fi
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" data font
  for data in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
    [ -d "$data" ] || continue
    mkdir -p "$fonts"
    for font in "$data"/*; do
      [ -e "$fonts/${font##*/}" ] || cp "$font" "$fonts/"
    done
    return 0
  done
}
