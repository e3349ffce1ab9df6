#!/usr/bin/env bash
# check-layers.sh [QTWIDGETS_INCLUDE_DIR]
# Keeps the program's layers apart, over its sources (tests and benchmarks
# aside): only common/platform calls the system for files; a file that shows
# windows leaves the file system to plain code beside it; only app/actions
# creates and calls components. Prints every offending line; fails on one.
set -euo pipefail
cd "$(dirname "$0")/.."
widgets=${1:-$( (ls -d /usr/include/*/qt6/QtWidgets /usr/include/qt6/QtWidgets 2>/dev/null || true) | head -n 1)}
[ -d "$widgets" ] || { echo "usage: $0 QTWIDGETS_INCLUDE_DIR (Qt's widget headers not found)"; exit 2; }

mapfile -t sources < <(find app common components tools -name '*.cpp' -o -name '*.h' | sort)
broken=0

# file:line:code of the given files, "//" comments left out.
code() {
  grep -Hn '' "$@" | sed -E 's#(^[^:]*:[0-9]+:|[[:space:]])//.*#\1#'
}

forbid() { # why pattern files...: prints the lines that match, with why they may not
  local why=$1 pattern=$2 found
  shift 2
  [ $# -gt 0 ] || return 0
  found=$(code "$@" | grep -E "^[^:]*:[0-9]+:.*($pattern)" || true)
  [ -n "$found" ] || return 0
  broken=1
  sed -E "s#^([^:]*:[0-9]+):[[:space:]]*#\1: $why: #" <<<"$found"
}

# 1. The system's file calls and headers.
posix='\b(readdir|opendir|fdopendir|openat|renameat2?|unlinkat|mkdirat|fstatat|copy_file_range)[[:space:]]*\('
posix+='|#[[:space:]]*include[[:space:]]*<(fcntl|dirent|unistd|sys/stat)\.h>'
outside=()
for f in "${sources[@]}"; do [[ $f == common/platform/* ]] || outside+=("$f"); done
forbid "a system file call outside common/platform" "$posix" "${outside[@]}"

# 2. Windows and the file system. A widget header is one of Qt's widgets,
# QPainter (it draws on one), or one of ours that includes either, however
# deep. Includes are found as the build finds them: beside the file, under
# app/ or common/, else by name in the same folder of components/ (a
# component's engine), else by a name only one file has.
declare -A qt=([QtWidgets]=1 [QPainter]=1) named=()
for h in "$widgets"/Q*; do qt[${h##*/}]=1; done
for f in "${sources[@]}"; do named[${f##*/}]+="$f "; done

resolve() { # file include: sets target to a source path, "Qt:<name>" for a widget header, or ""
  local file=$1 name=${2:1:-1} folder candidate candidates
  target=""
  if [ "${2:0:1}" = '<' ] && [ -n "${qt[${name#QtWidgets/}]:-}" ]; then
    target="Qt:${name#QtWidgets/}"
    return
  fi
  for candidate in "${file%/*}/$name" "app/$name" "common/$name"; do
    [ -f "$candidate" ] && { target=$candidate; return; }
  done
  read -ra candidates <<<"${named[$name]:-}"
  folder=${file#*/}
  folder=${file%%/*}/${folder%%/*}
  for candidate in "${candidates[@]}"; do
    [[ $candidate == "$folder"/* ]] && { target=$candidate; return; }
  done
  [ ${#candidates[@]} -ne 1 ] || target=${candidates[0]}
}

declare -A why # a file that shows windows -> the widget header it includes
edges=()       # "file header" for every include of one of our headers
while IFS=: read -r file inc; do
  resolve "$file" "$inc"
  case $target in
  Qt:*) why[$file]=${why[$file]:-${target#Qt:}} ;;
  ?*) edges+=("$file $target") ;;
  esac
done < <(grep -HoE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]+[>"]' "${sources[@]}" |
  sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]*/:/')
grew=1
while [ $grew -eq 1 ]; do
  grew=0
  for edge in "${edges[@]}"; do
    file=${edge% *} header=${edge#* }
    if [ -n "${why[$header]:-}" ] && [ -z "${why[$file]:-}" ]; then
      why[$file]=${header##*/}
      grew=1
    fi
  done
done

# Qt's file classes; the platform's calls that read or change the disk
# (where the program's own shipped files lie is not counted); its handles
# that hold a directory or a file open by name. A file the viewer opened
# may be handed on: plain code reads it.
files='\bQ(File|Dir|FileInfo|StorageInfo|SaveFile|TemporaryFile|TemporaryDir|DirIterator|LockFile|FileSystemWatcher)\b'
disk='readDirectory|entryInfo|isDirectory|fileExists|canEnter|makeDirectory|identityOf|renameNoReplace|renameReplacing'
disk+='|exchangeEntries|renameEntry|removeFile|removeEmptyDirectory|createEmptyFile|trashFor|topdirTrash|moveToTrash'
disk+='|restoreFromTrash|volumes|volumeOf|volumeInfo|readAttributes|writeAttributes|walkTree|walkTreeParallel'
disk+='|readExtendedAttributes|writeExtendedAttributes|forEachDataExtent|openUnnamedFile|nameUnnamedFile'
disk+='|removeStaleTemporaries|stan|czytajKatalog|otwórz[^[:space:](]*|utwórz[^[:space:](]*|isProgramFile|systemInfo'
disk+='|savedPathsFile|panelSettingsFile|savedPathsFileForReading|panelSettingsFileForReading|fallbackDirectory'
handles='OpenDirectory|AppendFile|TreeCursor|KopiaWpisu|Deskryptor'
windows=()
for f in "${sources[@]}"; do
  [[ $f == app/* || $f == components/* || $f == common/* || $f == tools/* ]] && [ -n "${why[$f]:-}" ] && windows+=("$f")
done
while IFS= read -r line; do
  broken=1 file=${line%%:*}
  sed -E "s#: the file system in a window file: #: the file system in a file that includes ${why[$file]}: #" <<<"$line"
done < <(forbid "the file system in a window file" \
  "$files|\bplatform::($disk)[[:space:]]*\(|\bplatform::($handles)\b" "${windows[@]}")

# 3. Components: within the main program, created and called by its actions
# alone (a component may still ask another one, as the copy asks the message box).
calls='\bcreateObject[[:space:]]*\(|\b(Wywołaj|SpróbujWywołać|UtwórzKomponent)[[:space:]]*\(|->(call|invoke)[[:space:]]*\('
others=()
for f in "${sources[@]}"; do [[ $f == app/* && $f != app/actions/* ]] && others+=("$f"); done
forbid "a component created or called outside app/actions" "$calls" "${others[@]}"

[ $broken -eq 0 ] && echo "layers kept apart: ${#sources[@]} files checked"
exit $broken
