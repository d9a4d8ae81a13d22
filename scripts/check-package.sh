#!/usr/bin/env bash
# Builds the .deb, checks it with lintian and the desktop and AppStream validators, unpacks it into a
# scratch folder (nothing is installed on the machine) and starts the packaged program under Xvfb
# until its window shows with its icon.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! (cd build && cpack >cpack.log 2>&1); then
    cat build/cpack.log >&2
    echo "package: cpack failed" >&2
    exit 1
fi
deb=$(ls build/vennaros_*_amd64.deb | head -n 1)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
root="$scratch/root"

passed=0
failed=0
check() {
    local name=$1
    shift
    if "$@" >"$scratch/out" 2>&1; then
        passed=$((passed + 1))
        echo "ok: $name"
    else
        failed=$((failed + 1))
        echo "FAILED: $name" >&2
        sed 's/^/    /' "$scratch/out" >&2
    fi
}

has_files() {
    local missing=0
    for f in usr/bin/vennaros \
        usr/share/applications/org.vennaros.Vennaros.desktop \
        usr/share/metainfo/org.vennaros.Vennaros.metainfo.xml \
        usr/share/icons/hicolor/scalable/apps/vennaros.svg \
        usr/share/icons/hicolor/48x48/apps/vennaros.png \
        usr/share/icons/hicolor/64x64/apps/vennaros.png \
        usr/share/icons/hicolor/128x128/apps/vennaros.png \
        usr/share/man/man1/vennaros.1.gz \
        usr/share/doc/vennaros/copyright \
        usr/share/doc/vennaros/changelog.gz; do
        [ -f "$root/$f" ] || { echo "package lacks $f"; missing=1; }
    done
    [ -x "$root/usr/bin/vennaros" ] || { echo "usr/bin/vennaros is not executable"; missing=1; }
    return $missing
}

# The user guide that Help > User Guide shows, with every picture it shows, where the program looks
# for them.
guide_complete() {
    local guide="$root/usr/share/vennaros/user-guide.md" missing=0 pictures
    [ -f "$guide" ] || { echo "package lacks usr/share/vennaros/user-guide.md"; return 1; }
    pictures=$(grep -o '(docs/[^)]*\.png)' "$guide" | tr -d '()' | sort -u)
    [ -n "$pictures" ] || { echo "the user guide shows no picture"; return 1; }
    for picture in $pictures; do
        [ -f "$root/usr/share/vennaros/$picture" ] || { echo "package lacks usr/share/vennaros/$picture"; missing=1; }
    done
    return $missing
}

# The icon files hold what their folders say, so that a desktop does not scale a wrong size.
icons_sized() {
    local bad=0
    for size in 48 64 128; do
        local f="$root/usr/share/icons/hicolor/${size}x${size}/apps/vennaros.png"
        file "$f" | grep -q "PNG image data, $size x $size," || { file "$f"; bad=1; }
    done
    return $bad
}

# The manual page is readable and documents the command line.
manual_reads() {
    local text
    text=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/vennaros.1.gz" 2>&1)
    for word in --help --version --print-pdf --settings --paper --landscape --altitude --azimuth \
        "EXIT STATUS" Vennaros.ini; do
        grep -q -e "$word" <<<"$text" || { echo "manual page lacks $word"; return 1; }
    done
    ! grep -q "warning" <<<"$text" || { grep "warning" <<<"$text"; return 1; }
}

check "the package holds the program, desktop entry, metainfo, icons, manual page, copyright and changelog" has_files
check "the package holds the user guide and every picture it shows" guide_complete
# The program loads its print module from the folder beside its own, as installed.
print_module() {
    local module="$root/usr/lib/vennaros/modules/vennaros-print.so"
    [ -f "$module" ] || { echo "package lacks usr/lib/vennaros/modules/vennaros-print.so"; return 1; }
    ! ldd "$module" | grep "not found"
}
check "the package holds the print module, and the libraries it needs are found" print_module
check "each PNG icon has the size of its folder" icons_sized
check "the manual page reads without warnings and names every option" manual_reads
lintian_passes() {
    lintian --fail-on error "$deb" 2>&1 | grep -v "running with root privileges" | tee "$scratch/lintian"
    return "${PIPESTATUS[0]}"
}
check "lintian finds no error" lintian_passes
# An address only when the build was given one.
homepage_as_built() {
    local built given
    built=$(sed -n 's/^VENNAROS_HOME_URL:STRING=//p' build/CMakeCache.txt)
    given=$(dpkg-deb -f "$deb" Homepage)
    [ "$given" = "$built" ] || { echo "the package's Homepage is '$given', the build's '$built'"; return 1; }
}
check "the package's Homepage is the build's home page, or none" homepage_as_built
check "desktop-file-validate accepts the desktop entry" \
    desktop-file-validate "$root/usr/share/applications/org.vennaros.Vennaros.desktop"
check "appstreamcli validates the metainfo" \
    appstreamcli validate --no-net "$root/usr/share/metainfo/org.vennaros.Vennaros.metainfo.xml"
check "appstreamcli finds the metainfo's desktop entry and icon in the package" \
    appstreamcli validate-tree --no-net "$root"

cat >"$scratch/start.sh" <<EOT
#!/usr/bin/env bash
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" CUPS_SERVER=/nonexistent
mkdir -p "\$HOME"
"$root/usr/bin/vennaros" 2>/dev/null &
pid=\$!
for _ in \$(seq 1 200); do
    window=\$(xdotool search --onlyvisible --name "Print Vennaros" 2>/dev/null | head -n 1)
    if [ -n "\$window" ]; then
        icons=\$(xprop -id "\$window" _NET_WM_ICON | grep -a -c -E "Icon \((48 x 48|64 x 64|128 x 128)\)")
        kill \$pid
        [ "\$icons" -eq 3 ] || { echo "the window has \$icons of the 3 icon sizes"; exit 1; }
        exit 0
    fi
    sleep 0.05
done
kill \$pid
echo "the packaged program showed no window"
exit 1
EOT
chmod +x "$scratch/start.sh"
check "the packaged program shows its window with the 48, 64 and 128 px icons" xvfb-run -a "$scratch/start.sh"

# The build most people type, with CMake's default generator (Unix Makefiles) and no compiler cache:
# only the program, so that it stays cheap.
plain_build() {
    local dir="$scratch/plain"
    env -u CMAKE_CXX_COMPILER_LAUNCHER cmake -S . -B "$dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF &&
        env -u CMAKE_CXX_COMPILER_LAUNCHER cmake --build "$dir" -j2 &&
        (cd "$dir" && cpack -G DEB) &&
        ls "$dir"/vennaros_*_amd64.deb
}
check "a plain build with the Makefiles generator makes the program and its package" plain_build

grep -E "^(E|W):" "$scratch/lintian" | sed 's/^/lintian: /' || true
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
