#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch folder (nothing is installed on the machine) and
# starts the packaged program under Xvfb until its window shows.
set -euo pipefail
cd "$(dirname "$0")/.."
(cd build && cpack >/dev/null 2>&1)
deb=$(ls build/vennaros_*_amd64.deb | head -n 1)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
for f in usr/bin/vennaros usr/share/applications/vennaros.desktop usr/share/icons/hicolor/scalable/apps/vennaros.svg; do
    [ -e "$scratch/root/$f" ] || { echo "package lacks $f" >&2; exit 1; }
done

cat >"$scratch/start.sh" <<EOT
#!/usr/bin/env bash
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" CUPS_SERVER=/nonexistent
mkdir -p "\$HOME"
"$scratch/root/usr/bin/vennaros" 2>/dev/null &
pid=\$!
for _ in \$(seq 1 200); do
    if xdotool search --onlyvisible --name "Print Vennaros" >/dev/null 2>&1; then
        kill \$pid
        exit 0
    fi
    sleep 0.05
done
kill \$pid
exit 1
EOT
chmod +x "$scratch/start.sh"
if xvfb-run -a "$scratch/start.sh"; then
    echo "$(basename "$deb") unpacks its files and its program shows the window"
    echo "package: 1 passed, 0 failed"
else
    echo "package: the packaged program showed no window" >&2
    exit 1
fi
