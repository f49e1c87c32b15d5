#!/usr/bin/env bash
# Screenshots of the desktop shell into build/screenshots/:
#   - under a virtual X server, the program as a user starts it: the splash and the main
#     window, in English and in Chinese (a copy of the runnable tree, so the real
#     configuration is left alone);
#   - offscreen, every shell window in both languages (tst_shellwindows), and the port
#     dialog with a list of described devices (tst_portdialog).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
out=$build/screenshots
"$root/scripts/build.sh" "$build" >/dev/null
if ! command -v import >/dev/null; then   # the screen grabber of ImageMagick
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q imagemagick >/dev/null
fi
mkdir -p "$out"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/dist" "$work/dist"
mkdir -p "$work/home" "$work/dist/language"

shoot() {   # language-id suffix
    local lang=$1 suffix=$2
    printf '[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=%s\n' "$lang" > "$work/dist/language/mysetup.ini"
    cat > "$work/run.sh" <<INNER
#!/usr/bin/env bash
"$work/dist/V100/tarven" --demo & pid=\$!
sleep 0.8; import -window root "$out/splash_$suffix.png"
sleep 2.7; import -window root "$out/main_$suffix.png"
kill \$pid; wait \$pid 2>/dev/null || true
INNER
    chmod +x "$work/run.sh"
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config LANG=C.UTF-8 \
        xvfb-run -a -s "-screen 0 1024x768x24" "$work/run.sh"
}
shoot 1 en
shoot 2 zh

TARVEN_SCREENSHOT_DIR=$out QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR=$build/dist/V100 \
    "$build/tst_shellwindows" >/dev/null
TARVEN_SCREENSHOT_DIR=$out QT_QPA_PLATFORM=offscreen TARVEN_PROGRAM_DIR=$build/dist/V100 \
    "$build/tst_portdialog" picturesInBothLanguages >/dev/null
ls "$out"
