#!/usr/bin/env bash
# The metainfo and the manual page name the project's addresses only when the build has one, and
# stay valid either way.
set -uo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# home page | <url> elements | the manual's address lines
rows=(
    "|0|0"
    "https://example.org/vennaros|2|2"
    "https://example.org/a?x=1&y=<2>|2|2"
)
failed=0
for row in "${rows[@]}"; do
    IFS='|' read -r home urls lines <<<"$row"
    out="$scratch/$RANDOM"
    mkdir -p "$out"
    fail() { echo "FAILED (home '$home'): $*"; failed=1; }
    cmake -DHOME="$home" -DSOURCE="$source_dir" -DOUT="$out" -P "$source_dir/tests/data/configure-addresses.cmake" ||
        { fail "cmake"; continue; }
    metainfo="$out/org.vennaros.Vennaros.metainfo.xml"
    [ "$(grep -c "<url " "$metainfo")" -eq "$urls" ] || fail "$(grep -c "<url " "$metainfo") <url> elements, not $urls"
    escaped=$(sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' <<<"$home")
    if [ -n "$home" ]; then
        grep -qF "<url type=\"homepage\">$escaped</url>" "$metainfo" || fail "no homepage element for the address"
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$metainfo" >"$out/validate" 2>&1 || { cat "$out/validate"; fail "appstreamcli"; }
    fi
    text=$(MANWIDTH=100 man --warnings -E UTF-8 -l "$out/vennaros.1" 2>&1)
    ! grep -q "warning" <<<"$text" || fail "manual page: $(grep warning <<<"$text")"
    found=$(grep -o "https\?://" <<<"$text" | wc -l)
    [ "$found" -eq "$lines" ] || fail "the manual page names $found addresses, not $lines"
    if [ "$lines" -eq 0 ] && grep -q "REPORTING BUGS" <<<"$text"; then fail "a REPORTING BUGS section without an address"; fi
    if [ -n "$home" ]; then grep -qF "$home/issues" <<<"$text" || fail "the manual page lacks $home/issues"; fi
done
exit $failed
