#!/usr/bin/env bash
# Checks of what Kickledger installs, run by CTest:
#   check.sh mime SOURCE_DIR               the MIME type of team files registers *.kld and its magic
#   check.sh install-tree SOURCE_DIR BUILD_DIR   `cmake --install` puts exactly the expected files
#   check.sh package SOURCE_DIR DEB VERSION      the package's control fields and files
set -euo pipefail
export LC_ALL=C.UTF-8
source_dir="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# The expected files below the prefix: the fixed list, and whatever the help manual holds.
expected_files() {
  cat "$source_dir/tests/install/install_tree.txt"
  if [ -d "$source_dir/docs/help" ]; then
    (cd "$source_dir/docs/help" && find . -type f | sed 's|^\./|share/kickledger/help/|')
  fi
}

check_mime() {
  local xml="$source_dir/desktop/org.kickledger.Kickledger.mime.xml"
  xmllint --noout "$xml"
  mkdir -p "$scratch/mime/packages"
  cp "$xml" "$scratch/mime/packages/"
  update-mime-database "$scratch/mime" 2>/dev/null
  grep -qx 'application/x-kickledger:\*\.kld' <(cut -d: -f2- "$scratch/mime/globs2") ||
    fail "*.kld is not application/x-kickledger"
  grep -q 'Kickledger チームデータ' "$scratch/mime/application/x-kickledger.xml" || fail "comment missing"
  # A team file starts with "[チーム名]" in cp932.
  printf '[\x83\x60\x81\x5b\x83\x80\x96\xbc]' > "$scratch/header"
  grep -qF -f "$scratch/header" "$scratch/mime/magic" || fail "no magic for the team file header"
}

check_install_tree() {
  local build_dir="$3" prefix="$scratch/prefix"
  cmake --install "$build_dir" --prefix "$prefix" >/dev/null
  diff -u <(expected_files | sort) <(cd "$prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the install tree differs from the expected files"
  local desktop="$prefix/share/applications/org.kickledger.Kickledger.desktop"
  local program icon
  program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
  icon="$(sed -n 's/^Icon=//p' "$desktop")"
  [ -x "$prefix/bin/$program" ] || fail "Exec=$program is not an installed program"
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not installed"
  for size in 16 22 24 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png" | grep -q "$size x $size" ||
      fail "the ${size}px icon is not ${size} pixels"
  done
}

check_package() {
  local deb="$3" version="$4"
  [ "$(basename "$deb")" = "kickledger_${version}_amd64.deb" ] || fail "package named $(basename "$deb")"
  field() { dpkg-deb --field "$deb" "$1"; }
  [ "$(field Package)" = kickledger ] || fail "Package: $(field Package)"
  [ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
  [ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
  [ "$(field Recommends)" = "fonts-noto-cjk" ] || fail "Recommends: $(field Recommends)"
  [ "$(field Suggests)" = "fcitx5-mozc" ] || fail "Suggests: $(field Suggests)"
  # Depends is computed from the programs' libraries, and names Qt's Japanese texts and its window
  # system plugins.
  for package in qt6-translations-l10n qt6-qpa-plugins libqt6widgets6 libqt6network6 libc6; do
    field Depends | tr ',' '\n' | grep -q "^ *$package\b" || fail "Depends lacks $package: $(field Depends)"
  done
  dpkg-deb --info "$deb" >/dev/null
  diff -u <(expected_files | sed 's|^|usr/|' | sort) \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort) ||
    fail "the package's files differ from the install tree"
}

case "$1" in
  mime) check_mime ;;
  install-tree) check_install_tree "$@" ;;
  package) check_package "$@" ;;
  *) fail "unknown check $1" ;;
esac
