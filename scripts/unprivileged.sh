#!/usr/bin/env bash
# unprivileged.sh BUILD_DIR: runs the tests labelled "unprivileged" again as
# the user nobody. Their rows about files one may not read, list or write
# skip under privileges, so a run as root alone would pass without them. The
# test programs and bin/ are copied where that user can reach them; every
# row skipped there is printed, and their number is the last line.
set -euo pipefail
build=$(cd "$1" && pwd)
mapfile -t names < <(ctest --test-dir "$build" -N -L unprivileged | sed -n 's/^ *Test *#[0-9]*: //p')
[ ${#names[@]} -gt 0 ] || { echo "no test is labelled unprivileged"; exit 1; }

work=$(mktemp -d /var/tmp/oc-unprivileged.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tests" "$work/home" "$work/tmp" "$work/runtime" "$work/logs"
cp -a "$build/bin" "$work/"
for name in "${names[@]}"; do cp -p "$build/tests/$name" "$work/tests/"; done
chown -R nobody:nogroup "$work/bin" "$work/tests" "$work/home" "$work/tmp" "$work/runtime"
chmod 755 "$work"
chmod 700 "$work/runtime"

status=0
for name in "${names[@]}"; do
  log=$work/logs/$name.log
  if (cd "$work/tests" && setpriv --reuid=nobody --regid=nogroup --clear-groups \
      env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$work/home" TMPDIR="$work/tmp" \
      XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen \
      OC_BIN_DIR="$work/bin" OC_REGISTRY="$work/tests/unused-registry.ini" \
      timeout 300 "./$name") >"$log" 2>&1; then
    echo "as nobody: $name passed"
  else
    echo "as nobody: $name FAILED"
    cat "$log"
    status=1
  fi
done
grep -h '^SKIP' "$work"/logs/*.log || true
echo "$(cat "$work"/logs/*.log | grep -c '^SKIP' || true) rows skipped as nobody"
exit $status
