#!/usr/bin/env bash
# Pictures of what the desktop program says while and after it works, in English and
# Chinese, into build/screenshots/:
#   - offscreen (tst_desktopfeedback): the status bar during a transfer, the message of
#     a verified write, opening a file with a damaged settings area, a paste of text that
#     is no channel rows, the export confirmation, the compare window after an edit, and
#     Radio Information with its read-only fields;
#   - under a virtual 800x600 X server with a small window manager (openbox, installed
#     here when missing, only for these pictures): the main window as a user starts it,
#     whose frame and status bar must fit the screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
out=$build/screenshots
"$root/scripts/build.sh" "$build" >/dev/null
missing=()
command -v openbox >/dev/null || missing+=(openbox)
command -v import >/dev/null || missing+=(imagemagick)   # import: the screen grabber
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi
mkdir -p "$out"

TARVEN_SCREENSHOT_DIR=$out QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR=$build/dist/V100 \
    "$build/tst_desktopfeedback" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/dist" "$work/dist"
mkdir -p "$work/home" "$work/dist/language"

# A placement stored on a larger screen: the window opens fitted, frame included.
shoot() {   # language-id suffix
    local lang=$1 suffix=$2
    printf '[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=%s\n' "$lang" > "$work/dist/language/mysetup.ini"
    rm -rf "$work/home/.config"
    mkdir -p "$work/home/.config/tarven"
    local ini=english.ini; [ "$lang" = 2 ] && ini=chinese.ini
    printf '[Settings]\nMainLeft=1500\nMainTop=1500\nMainWidth=18000\nMainHeight=13500\n' \
        > "$work/home/.config/tarven/$(sed -n 's/^12000=//p' "$work/dist/V100/language/$ini").conf"
    cat > "$work/run.sh" <<INNER
#!/usr/bin/env bash
openbox & wm=\$!
sleep 1
"$work/dist/V100/tarven" --demo & pid=\$!
sleep 5; import -window root "$out/main800x600_wm_$suffix.png"
kill \$pid; wait \$pid 2>/dev/null || true
kill \$wm; wait \$wm 2>/dev/null || true
INNER
    chmod +x "$work/run.sh"
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config LANG=C.UTF-8 \
        xvfb-run -a -s "-screen 0 800x600x24" "$work/run.sh"
}
shoot 1 en
shoot 2 zh
ls "$out"/feedback_* "$out"/main800x600_wm_*
