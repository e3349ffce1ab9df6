#!/usr/bin/env bash
# check-layout.sh package|install BUILD_DIR VERSION COMPONENT.so...
# package: builds the Debian package and checks its file list and dependencies.
# install: installs into a fresh prefix, registers the components from there
# into an empty user configuration and starts the launcher from elsewhere.
set -euo pipefail
mode=$1 build=$2 version=$3
shift 3

expected() {
  printf '%s\n' bin/orvane-commander \
    lib/orvane-commander/oc lib/orvane-commander/regmend lib/orvane-commander/data/ocreg \
    share/orvane-commander/data/kolory/xk.kol share/orvane-commander/help/index.htm \
    share/applications/orvane-commander.desktop \
    share/icons/hicolor/scalable/apps/orvane-commander.svg
  for library in "$@"; do echo "lib/orvane-commander/$library"; done
}

same_files() { # listing of files relative to the prefix, on stdin
  local wrong
  wrong=$(diff <(expected "$@" | sort) <(sort) || true)
  if [ -n "$wrong" ]; then
    echo "layout differs (< expected, > found):"
    echo "$wrong"
    return 1
  fi
}

work=$(mktemp -d "$build/layout-XXXXXX")
trap 'rm -rf "$work"' EXIT

case $mode in
package)
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
  deb="$work/orvane-commander_${version}_amd64.deb"
  [ -f "$deb" ] || { echo "no $deb"; ls "$work"; exit 1; }
  listing=$(dpkg-deb -c "$deb")
  awk '$1 !~ /^d/ {print $6}' <<<"$listing" | sed 's|^\./usr/||' | same_files "$@"
  grep -q '^-rwxr-xr-x .* \./usr/bin/orvane-commander$' <<<"$listing" || { echo "launcher not executable"; exit 1; }
  depends=$(dpkg-deb -f "$deb" Depends)
  for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2 libuchardet0 libqt6svg6 qt6-translations-l10n; do
    grep -q "\b$package\b" <<<"$depends" || { echo "Depends lacks $package: $depends"; exit 1; }
  done
  ;;
install)
  prefix="$work/prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
  (cd "$prefix" && find . -not -type d | sed 's|^\./||') | same_files "$@"
  # Nothing names the build any more: the registry points into the prefix.
  export XDG_CONFIG_HOME="$work/config"
  unset OC_REGISTRY
  libraries=()
  for library in "$@"; do libraries+=("$prefix/lib/orvane-commander/$library"); done
  "$prefix/lib/orvane-commander/data/ocreg" /s "${libraries[@]}"
  registry="$XDG_CONFIG_HOME/orvane-commander/registry.ini"
  [ -f "$registry" ] || { echo "no registry at $registry"; exit 1; }
  if grep -v "^\[" "$registry" | grep -v "=$prefix/lib/orvane-commander/" | grep -q .; then
    echo "registry entries outside the prefix:"; cat "$registry"; exit 1
  fi
  # Started from another directory it stays up (an exit or a crash would end it).
  status=0
  (cd / && QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/orvane-commander") || status=$?
  [ "$status" -eq 124 ] || { echo "the installed program ended early with status $status"; exit 1; }
  ;;
*)
  echo "usage: $0 package|install BUILD_DIR VERSION COMPONENT.so..."; exit 2 ;;
esac
echo "$mode layout as expected"
