#!/bin/bash
# The .deb as a user gets it: made by CPack from the build, lintian-clean,
# with the files an install needs and nothing outside /usr; unpacked into a
# fresh root, its sim finds the installed data, keeps every file it writes in
# the user's data folder and leaves the installed tree untouched.
# usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/cpack" >/dev/null)
deb=$(ls "$work"/cpack/veltrix-k9_*_*.deb)
"$source/packaging/deb/lint.sh" "$deb" > "$work/lintian.txt" 2>&1 || { echo "lintian failed"; cat "$work/lintian.txt"; exit 1; }

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' > "$work/files.txt"
for want in usr/bin/ZEL_RAdeze usr/bin/ZEL_RAdeze-sim usr/lib/udev/rules.d/70-veltrix-k9.rules \
            usr/share/veltrix-k9/config.ini usr/share/veltrix-k9/constMacro.dat \
            usr/share/veltrix-k9/Macro_EN.dat usr/share/veltrix-k9/skins/INI_EN/skin_main_en.ini \
            usr/share/veltrix-k9/skins/main_mask.jpg usr/share/veltrix-k9/docs/user-guide.html \
            usr/share/doc/veltrix-k9/copyright; do
  grep -qx "$want" "$work/files.txt" || { echo "missing from the package: $want"; exit 1; }
done
for pattern in '^usr/share/applications/.*\.desktop$' '^usr/share/metainfo/.*\.metainfo\.xml$' \
               '^usr/share/icons/hicolor/48x48/apps/.*\.png$'; do
  grep -Eq "$pattern" "$work/files.txt" || { echo "no file matches $pattern"; exit 1; }
done
if grep -Ev '^(usr/|$)' "$work/files.txt"; then echo "files outside /usr"; exit 1; fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
cmp "$root/usr/lib/udev/rules.d/70-veltrix-k9.rules" "$build/packaging/70-veltrix-k9.rules"
(cd "$root" && find . -type f -exec md5sum {} + | sort) > "$work/before.txt"

# Apply, then English and Chinese: config.ini is written three times.
printf 'wait 50\nclick 730 567\nclick 707 28\nwait 20\nclick 663 28\nwait 20\ntray exit\n' > "$work/script.txt"
run_sim() {  # HOME, then XDG_DATA_HOME or nothing
  env -u XDG_DATA_HOME HOME="$1" ${2:+XDG_DATA_HOME="$2"} QT_QPA_PLATFORM=offscreen \
    timeout 60 "$root/usr/bin/ZEL_RAdeze-sim" --no-panel --log "$work/log.txt" --script "$work/script.txt" \
    2> "$work/stderr.txt" || { echo "the installed sim failed"; cat "$work/stderr.txt" "$work/log.txt"; exit 1; }
  grep -q ' tray-add$' "$work/log.txt" || { echo "the installed sim did not start"; cat "$work/log.txt"; exit 1; }
  if grep -q ' message ' "$work/log.txt"; then echo "the installed sim complained"; cat "$work/log.txt"; exit 1; fi
  tail -n 1 "$work/log.txt" | grep -q ' exit$'
}

run_sim "$work/home" ""
user="$work/home/.local/share/veltrix-k9"
[ -f "$user/config.ini" ] && [ -f "$user/skins/INI_EN/skin_main_en.ini" ] || { echo "no per-user data folder"; exit 1; }
tr -d '\r' < "$user/config.ini" | grep -qx 'VER_SEL=0' || { echo "the writes did not reach the user's config.ini"; exit 1; }

run_sim "$work/home2" "$work/xdg"
[ -f "$work/xdg/veltrix-k9/config.ini" ] || { echo "XDG_DATA_HOME was not used"; exit 1; }
[ ! -e "$work/home2/.local/share/veltrix-k9" ] || { echo "the data went to HOME despite XDG_DATA_HOME"; exit 1; }

(cd "$root" && find . -type f -exec md5sum {} + | sort) > "$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || { echo "the installed tree changed"; exit 1; }
echo "package ok: $(basename "$deb")"
