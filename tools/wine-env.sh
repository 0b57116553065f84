# Sourced by the scripts that run Windows programs: the project's own Wine
# prefix, French locale, quiet Wine, and the display from build/services.env.
# The first use creates the prefix (fonts, font replacements, default printer)
# under a lock, so parallel test runs share one prefix safely; afterwards
# sourcing only sets variables.

morvi_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# A test that must not disturb the shared prefix (one without any printer)
# names a prefix of its own in MORVI_WINEPREFIX.
export WINEPREFIX="${MORVI_WINEPREFIX:-$morvi_repo/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: their install prompts would block a headless run.
export WINEDLLOVERRIDES="mscoree=;mshtml="
export LANG=fr_FR.UTF-8
export LC_ALL=fr_FR.UTF-8
if [ -f "$morvi_repo/build/services.env" ]; then
  . "$morvi_repo/build/services.env"
fi

# Debian's Wine leaves the prefix without fonts, so GDI+ draws no text at all:
# Wine's own fonts are copied in (its Tahoma has Tahoma's metrics, and Wine
# maps "MS Shell Dlg" to it by itself), and the other Windows faces are mapped
# to fonts Debian installs: Liberation Sans has Arial's metrics, and FreeSans
# comes closest to Segoe UI's widths for the window's texts among the faces
# that both GDI and Wine's GDI+ find (tools/font_widths.py; GDI+ finds no
# "Lato" nor "Noto Sans"), so every text fits where it does on Windows.
morvi_prefix_registry() {
  local face
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for face in "Arial" "MS Sans Serif"; do
    printf '"%s"="Liberation Sans"\r\n' "$face"
  done
  printf '"Segoe UI"="FreeSans"\r\n'
  # On our virtual display there is no window manager, and managed windows
  # make Wine wait 2 s each time a dialog closes.
  if [ "${MORVI_HEADLESS:-0}" = 1 ]; then
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
  fi
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows]\r\n'
  printf '"Device"="PDF,wineps.drv,CUPS:PDF"\r\n'  # Windows 10's system colours instead of Wine's, so that the window, the
  # pixel tests and the screenshots show what a Windows user sees (the
  # window's clGradientInactiveCaption background is 215 228 242, not grey).
  printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n'
  printf '"%s"="%s"\r\n' \
    ActiveBorder "180 180 180" ActiveTitle "153 180 209" AppWorkSpace "171 171 171" \
    Background "0 0 0" ButtonAlternateFace "0 0 0" ButtonDkShadow "105 105 105" \
    ButtonFace "240 240 240" ButtonHilight "255 255 255" ButtonLight "227 227 227" \
    ButtonShadow "160 160 160" ButtonText "0 0 0" GradientActiveTitle "185 209 234" \
    GradientInactiveTitle "215 228 242" GrayText "109 109 109" Hilight "0 120 215" \
    HilightText "255 255 255" HotTrackingColor "0 102 204" InactiveBorder "244 247 252" \
    InactiveTitle "191 205 219" InactiveTitleText "0 0 0" InfoText "0 0 0" \
    InfoWindow "255 255 225" Menu "240 240 240" MenuBar "240 240 240" \
    MenuHilight "0 120 215" MenuText "0 0 0" Scrollbar "200 200 200" TitleText "0 0 0" \
    Window "255 255 255" WindowFrame "100 100 100" WindowText "0 0 0"
  # A test of the display scale names its dots per inch in MORVI_LOGPIXELS,
  # with a prefix of its own: both keys Wine reads it from.
  if [ -n "${MORVI_LOGPIXELS:-}" ]; then
    printf '\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n' "$MORVI_LOGPIXELS"
    printf '\r\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]\r\n'
    printf '"LogPixels"=dword:%08x\r\n' "$MORVI_LOGPIXELS"
  fi
}

morvi_create_prefix() {
  local started=$SECONDS reg
  echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1 9>&- && wineserver -w || return 1
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
  reg="$WINEPREFIX/drive_c/morvi-settings.reg"
  morvi_prefix_registry >"$reg"
  wine regedit /S 'C:\morvi-settings.reg' >/dev/null 2>&1 9>&- && wineserver -w || return 1
  rm -f "$reg"
  echo "$morvi_settings_stamp" >"$WINEPREFIX/.morvi-ready"
  echo "wine-env: prefix ready in $((SECONDS - started)) s" >&2
}

# The ready mark holds a digest of the settings the prefix was made with: a
# prefix made before they changed (fonts, colours, display) is made again.
morvi_settings_stamp=$(morvi_prefix_registry | md5sum | cut -d' ' -f1)
if [ "$(cat "$WINEPREFIX/.morvi-ready" 2>/dev/null)" != "$morvi_settings_stamp" ]; then
  mkdir -p "$morvi_repo/build"
  (
    flock 9
    [ "$(cat "$WINEPREFIX/.morvi-ready" 2>/dev/null)" = "$morvi_settings_stamp" ] || morvi_create_prefix
  ) 9>"$WINEPREFIX.lock" || echo "wine-env: could not create the Wine prefix" >&2
fi
unset -f morvi_prefix_registry morvi_create_prefix
unset morvi_settings_stamp
