#!/usr/bin/env bash
# Builds the Debian package with cpack and checks it as a school's administrator would meet it:
# its files and dependencies, the desktop entry and the MIME type of lessons, and that the
# programs unpacked from it (dpkg -x, no installation) start, read the demo lesson and open a
# double-clicked lesson, also in an instance that is already running.
# Arguments: cpack, the build folder, the version.
set -uo pipefail
cpack=$1 build=$2 version=$3
tmp=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/cpack" >"$tmp/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$tmp/cpack.log")"
deb=$tmp/cpack/textaria_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$tmp/cpack")"

# Contents: everything below /usr, nothing the desktop's caches generate.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||' >"$tmp/contents"
for f in usr/bin/textaria usr/bin/textaria-cli usr/share/applications/textaria.desktop \
    usr/share/mime/packages/textaria.xml usr/share/icons/hicolor/scalable/apps/textaria.svg \
    usr/share/icons/hicolor/48x48/apps/textaria.png usr/share/icons/hicolor/256x256/apps/textaria.png \
    usr/share/textaria/demo.rsd; do
    grep -qx "$f" "$tmp/contents" || fail "package lacks $f"
done
grep -v '^usr/' "$tmp/contents" | grep -q . && fail "files outside /usr: $(grep -v '^usr/' "$tmp/contents")"
grep '^usr/share/mime/.' "$tmp/contents" | grep -qv '^usr/share/mime/packages/' &&
    fail "the package carries a generated MIME database"

# Control data: name, architecture, and a dependency for every library the programs load.
[ "$(dpkg-deb -f "$deb" Package)" = textaria ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architecture"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for p in gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-liberation fonts-dejavu-core \
    qt6-translations-l10n; do
    grep -qx "$p" <<<"$depends" || fail "Depends lacks $p (loaded at run time)"
done
for p in $depends; do
    dpkg-query -W "$p" >/dev/null 2>&1 || fail "Depends names $p, which is not a package of this system"
done

root=$tmp/root
dpkg-deb -x "$deb" "$root" || fail "dpkg -x"
for program in textaria textaria-cli; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not executable"
    ldd "$root/usr/bin/$program" | grep -q 'not found' && fail "$program: $(ldd "$root/usr/bin/$program")"
    for lib in $(readelf -d "$root/usr/bin/$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
        # The dynamic loader comes with libc6, and ldd lists it by its path only.
        [[ $lib == ld-linux* ]] && continue
        path=$(ldd "$root/usr/bin/$program" | awk -v l="$lib" '$1 == l {print $3}')
        owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "/usr$path" 2>/dev/null || dpkg -S "${path#/usr}" 2>/dev/null)
        owner=${owner%%:*}
        [ -n "$owner" ] || fail "$program: no package owns $lib ($path)"
        grep -qx "$owner" <<<"$depends" || fail "$program needs $lib from $owner, which Depends lacks"
    done
done

# The desktop entry is valid and names what the package brings.
desktop=$root/usr/share/applications/textaria.desktop
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing (desktop-file-utils)"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
entry() { sed -n "s/^$1=//p" "$desktop" | head -1; }
exec_line=$(entry Exec)
[ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec names ${exec_line%% *}, not in the package"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$(entry Icon).svg" ] || fail "Icon $(entry Icon)"
mime_type=$(entry MimeType)
mime_type=${mime_type%;}

# The MIME type: the database built from the package's file sends *.rsd to that type.
mkdir -p "$tmp/mime/packages"
cp "$root/usr/share/mime/packages/textaria.xml" "$tmp/mime/packages/"
update-mime-database "$tmp/mime" 2>"$tmp/mime.log" || fail "update-mime-database: $(cat "$tmp/mime.log")"
grep -q "^[0-9]*:$mime_type:\*\.rsd$" "$tmp/mime/globs2" ||
    fail "*.rsd is not $mime_type: $(cat "$tmp/mime.log" "$tmp/mime/globs2")"
grep -qx "$mime_type:textaria" "$tmp/mime/icons" || fail "lessons do not show the program's icon"

# The command-line program from the package reads the demo lesson.
demo=$root/usr/share/textaria/demo.rsd
cli=$root/usr/bin/textaria-cli
"$cli" --help | grep -q '^  lesson' || fail "textaria-cli --help"
[ "$("$root/usr/bin/textaria" --version)" = "textaria $version" ] || fail "textaria --version"
"$cli" lesson "$demo" >"$tmp/demo.json" 2>"$tmp/err" || fail "lesson demo.rsd: $(cat "$tmp/err")"
grep -q '"kind": "list"' "$tmp/demo.json" && grep -q '"title": "01, Willkommen"' "$tmp/demo.json" ||
    fail "lesson demo.rsd: $(head -c 400 "$tmp/demo.json")"

# The window program, started as the desktop starts it: Exec with %f replaced by the file, or
# dropped when started from the menu. Offscreen, in folders of its own.
mkdir -p "$tmp/home" && mkdir -m 700 "$tmp/run"
export QT_QPA_PLATFORM=offscreen HOME=$tmp/home TMPDIR=$tmp/run XDG_RUNTIME_DIR=$tmp/run
export TEXTARIA_INSTANCE_NAME=textaria-package-test-$$
desktop_command() {  # FILE (may be empty): sets command to the words to run
    read -ra command <<<"${exec_line//%f/$1}"
    command[0]=$root/usr/bin/${command[0]}
}
shot() {  # FILE NAME SECONDS
    desktop_command "$1"
    "${command[@]}" --screenshot "$tmp/$2.png" --quit-after "$3" >"$tmp/$2.log" 2>&1
}

shot "" menu 2 || fail "started from the menu: $(cat "$tmp/menu.log")"
shot "$demo" double-click 3 || fail "started with a lesson: $(cat "$tmp/double-click.log")"
[ -s "$tmp/menu.png" ] && [ -s "$tmp/double-click.png" ] || fail "no screenshots"
cmp -s "$tmp/menu.png" "$tmp/double-click.png" && fail "the double-clicked lesson was not shown"

# A double click while the program runs: the lesson goes to the running window.
shot "" running 5 &
pids+=($!)
for _ in $(seq 50); do [ -S "$tmp/run/$TEXTARIA_INSTANCE_NAME" ] && break; sleep 0.1; done
[ -S "$tmp/run/$TEXTARIA_INSTANCE_NAME" ] || fail "the first instance does not listen"
desktop_command "$demo"
timeout 10 "${command[@]}" >"$tmp/second.log" 2>&1 || fail "the second start: $(cat "$tmp/second.log")"
wait "${pids[0]}" || fail "the running instance: $(cat "$tmp/running.log")"
cmp -s "$tmp/double-click.png" "$tmp/running.png" ||
    fail "the running instance does not show the lesson as a start with it does"
exit 0
