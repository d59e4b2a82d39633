#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it: the files it
# installs, its name, version and dependencies, that the packaged vantrelctl
# runs, its AppStream metainfo and lintian (errors fail, warnings are shown).
#   bash scripts/check-package.sh [BUILD_DIR]      (default: build)
# The package is left in BUILD_DIR/package-check/.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:-$source_dir/build}" && pwd)

for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli; do
  command -v "$tool" >/dev/null || { echo "check-package: $tool is missing; bash scripts/deps.sh installs it" >&2; exit 1; }
done

work="$build_dir/package-check"
rm -rf "$work"
mkdir -p "$work"
if ! (cd "$build_dir" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log" >&2
  exit 1
fi

failed=0
problem() { echo "check-package: $*" >&2; failed=1; }

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build_dir/CPackConfig.cmake")
deb="$work/vantrel-cps_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { problem "no $(basename "$deb") in $work"; ls "$work" >&2; exit 1; }

# Mode and path of every entry.
dpkg-deb -c "$deb" | awk '{print $1, $6}' >"$work/contents"
paths=$(cut -d' ' -f2 "$work/contents")

expected=(
  ./usr/bin/vantrel-cps
  ./usr/bin/vantrelctl
  ./usr/libexec/vantrel-cps/vantrelctl-link
  ./usr/libexec/vantrel-cps/vantrelctl-report
  ./usr/libexec/vantrel-cps/vantrelctl-archive
  ./usr/share/applications/vantrel-cps.desktop
  ./usr/share/mime/packages/vantrel-cps.xml
  ./usr/share/icons/hicolor/scalable/apps/vantrel-cps.svg
  ./usr/share/icons/hicolor/128x128/apps/vantrel-cps.png
  ./usr/share/metainfo/com.vantrel.cps.metainfo.xml
  ./usr/share/man/man1/vantrel-cps.1.gz
  ./usr/share/man/man1/vantrelctl.1.gz
  ./usr/share/bash-completion/completions/vantrelctl
  ./usr/share/zsh/vendor-completions/_vantrelctl
  ./usr/share/fish/vendor_completions.d/vantrelctl.fish
  ./usr/share/doc/vantrel-cps/copyright
  ./usr/share/doc/vantrel-cps/changelog.gz
)
# Every default data file and help page of the source tree.
while IFS= read -r f; do
  expected+=("./usr/share/vantrel-cps/$f")
done < <(cd "$source_dir/data" && find . -maxdepth 1 -name '*.cpg' -printf '%P\n' && find Help -type f)
# The translations: the program's catalogues (Help/<lang>/ is among the
# help pages above).
for lang in es pt_BR fr de zh_CN; do
  expected+=("./usr/share/vantrel-cps/translations/vantrel-cps_$lang.qm")
done
for p in "${expected[@]}"; do
  grep -qxF -- "$p" <<<"$paths" || problem "missing from the package: $p"
done

outside=$(awk '$0 != "./" && (!/^\.\/usr\// || /^\.\/usr\/local\//)' <<<"$paths")
[ -z "$outside" ] || problem "installs outside /usr or under /usr/local: $outside"
for program in bin/vantrel-cps bin/vantrelctl libexec/vantrel-cps/vantrelctl-link libexec/vantrel-cps/vantrelctl-report libexec/vantrel-cps/vantrelctl-archive; do
  grep -qxF -- "-rwxr-xr-x ./usr/$program" "$work/contents" || problem "/usr/$program is not mode 0755"
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libc6 libqt6core6 libqt6widgets6 libqt6serialport6 libqt6sql6 libqt6sql6-sqlite fonts-liberation qt6-translations-l10n; do
  grep -q "\b$dep\b" <<<"$depends" || problem "Depends lacks $dep: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = hamradio ] || problem "section is not hamradio"

root="$work/root"
dpkg-deb -x "$deb" "$root"
changelog_version=$(zcat "$root/usr/share/doc/vantrel-cps/changelog.gz" 2>/dev/null | sed -n '1s/^vantrel-cps (\([^)]*\)).*/\1/p' || true)
[ "$changelog_version" = "$version" ] || problem "changelog's latest entry is '$changelog_version', the package is $version"
metainfo="$root/usr/share/metainfo/com.vantrel.cps.metainfo.xml"
release_version=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" 2>/dev/null | cut -d'"' -f2 || true)
[ "$release_version" = "$version" ] || problem "metainfo's latest release is '$release_version', the package is $version"

# The packaged (stripped) tool runs from the unpacked tree and reads a shipped file.
"$root/usr/bin/vantrelctl" --help >/dev/null || problem "vantrelctl --help failed"
"$root/usr/bin/vantrelctl" show "$root/usr/share/vantrel-cps/U2_NAG.cpg" >"$work/show.txt" && [ -s "$work/show.txt" ] ||
  problem "vantrelctl show of a shipped data file failed"
# report and the port commands find their companion programs in the
# package's libexec folder.
"$root/usr/bin/vantrelctl" report "$root/usr/share/vantrel-cps/U2_NAG.cpg" -o "$work/report.pdf" && [ -s "$work/report.pdf" ] ||
  problem "vantrelctl report of a shipped data file failed"
"$root/usr/bin/vantrelctl" ports >"$work/ports.txt" && grep -q '^Com1' "$work/ports.txt" ||
  problem "vantrelctl ports failed"

appstreamcli validate --no-net "$metainfo" >&2 || problem "appstreamcli validate failed"
desktop="$root/usr/share/applications/vantrel-cps.desktop"
desktop-file-validate "$desktop" >&2 || problem "desktop-file-validate failed"
# The desktop entry and the metainfo speak every language the program does.
for lang in es pt_BR fr de zh_CN; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$lang\]=" "$desktop" || problem "the desktop entry has no $key[$lang]"
  done
  grep -q "<summary xml:lang=\"$lang\">" "$metainfo" || problem "the metainfo has no summary in $lang"
  grep -q "<p xml:lang=\"$lang\">" "$metainfo" || problem "the metainfo has no description in $lang"
done

if ! lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1; then
  problem "lintian reports errors"
fi
grep -v 'running with root privileges' "$work/lintian.txt" >&2 || true

[ "$failed" -eq 0 ] && echo "check-package: $(basename "$deb") is complete"
exit "$failed"
