#!/bin/bash
# Installs the build into a scratch prefix, makes the prefix read-only as a system installation
# is, and checks that talvo-cli reads its data from <prefix>/share/talvo and writes to the
# user's data folder: $XDG_DATA_HOME/talvo, or ~/.local/share/talvo without it.
# Usage: check_install.sh CMAKE BUILD_DIR
set -u
cmake_command=$1
build_dir=$2

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
prefix=$scratch/prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"$cmake_command" --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 || {
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    exit 1
}
for file in bin/talvo-cli bin/talvo-sim share/talvo/FULL.TLV share/talvo/MESSIER.TLV share/talvo/TALVO.HOM \
    share/talvo/TALVO-Guide.html share/talvo/LICENSES.md share/talvo/GPL-3.0.txt share/talvo/talvo.svg \
    share/applications/talvo.desktop share/icons/hicolor/scalable/apps/talvo.svg; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
# The menu entry for every user of the prefix starts talvo from PATH and passes the desktop's check.
grep -qx "Exec=talvo" "$prefix/share/applications/talvo.desktop" 2>/dev/null ||
    fail "the installed talvo.desktop does not start talvo"
validated=$(desktop-file-validate "$prefix/share/applications/talvo.desktop" 2>&1) && [ -z "$validated" ] ||
    fail "desktop-file-validate: $validated"
# The shipped TALVO.HOM holds the program's defaults and no first use, whatever an observer
# saved in build/bin.
"$build_dir/tools/make_home_file" "$scratch/default.HOM" && cmp -s "$scratch/default.HOM" "$prefix/share/talvo/TALVO.HOM" ||
    fail "the installed TALVO.HOM is not the default home file"
chmod -R a-w "$prefix"

# Root writes through any permission: the program then runs as an ordinary user, for whom the
# read-only prefix is read-only.
as_user() { "$@"; }
if [ "$(id -u)" = 0 ]; then
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
fi
new_home() {
    local home
    home=$(mktemp -d -p "$scratch")
    chmod 777 "$home"
    echo "$home"
}
site=(--lat 40.5 --lon 74.25 --utc-offset 5 --date 2026-12-15 --time 22:00:00)

home=$(new_home)
as_user env -u TALVO_DIR -u XDG_DATA_HOME HOME="$home" "$prefix/bin/talvo-cli" show "${site[@]}" --planet 3 \
    >"$scratch/show.out" 2>&1 || fail "talvo-cli show: $(cat "$scratch/show.out")"
as_user env -u TALVO_DIR -u XDG_DATA_HOME HOME="$home" "$prefix/bin/talvo-cli" find M42 "${site[@]}" \
    >"$scratch/find.out" 2>&1 || fail "talvo-cli find M42 (the shipped FULL.TLV): $(cat "$scratch/find.out")"
[ -f "$home/.local/share/talvo/MATCHES.TXT" ] || fail "no MATCHES.TXT in \$HOME/.local/share/talvo"
grep -q "M42" "$home/.local/share/talvo/MATCHES.TXT" 2>/dev/null || fail "MATCHES.TXT does not list M42"
[ ! -e "$prefix/bin/MATCHES.TXT" ] || fail "MATCHES.TXT was written beside the program"
# The default TALVO.HOM comes from the data folder; --home names it just as well.
as_user env -u TALVO_DIR HOME="$home" "$prefix/bin/talvo-cli" show --home "$prefix/share/talvo/TALVO.HOM" \
    "${site[@]}" >"$scratch/home.out" 2>&1 || fail "talvo-cli show --home: $(cat "$scratch/home.out")"

home=$(new_home)
data=$(new_home)
as_user env -u TALVO_DIR HOME="$home" XDG_DATA_HOME="$data" "$prefix/bin/talvo-cli" find M31 "${site[@]}" \
    >"$scratch/xdg.out" 2>&1 || fail "talvo-cli find M31 with XDG_DATA_HOME: $(cat "$scratch/xdg.out")"
[ -f "$data/talvo/MATCHES.TXT" ] || fail "no MATCHES.TXT in \$XDG_DATA_HOME/talvo"
[ ! -e "$home/.local" ] || fail "\$HOME/.local was made although XDG_DATA_HOME is set"

# talvo --install-launcher: the user's menu entry starts this talvo by its full path, with the
# icon in the user's icon theme and a copy on the desktop; no display is needed.
if [ -x "$prefix/bin/talvo" ]; then
    home=$(new_home)
    data=$(new_home)
    mkdir "$home/Desktop" && chmod 777 "$home/Desktop"
    as_user env -u TALVO_DIR HOME="$home" XDG_DATA_HOME="$data" "$prefix/bin/talvo" --install-launcher \
        >"$scratch/launcher.out" 2>&1 || fail "talvo --install-launcher: $(cat "$scratch/launcher.out")"
    entry=$data/applications/talvo.desktop
    grep -qx "Exec=$prefix/bin/talvo" "$entry" 2>/dev/null || fail "the user's talvo.desktop does not start $prefix/bin/talvo"
    validated=$(desktop-file-validate "$entry" 2>&1) && [ -z "$validated" ] || fail "desktop-file-validate: $validated"
    cmp -s "$entry" "$home/Desktop/talvo.desktop" || fail "no copy of talvo.desktop on the desktop"
    cmp -s "$prefix/share/talvo/talvo.svg" "$data/icons/hicolor/scalable/apps/talvo.svg" ||
        fail "the icon is not in the user's icon theme"
fi

if [ "$failures" = 0 ]; then
    echo "install check: 1 passed, 0 failed"
    exit 0
fi
echo "install check: 0 passed, 1 failed"
exit 1
