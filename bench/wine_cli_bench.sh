#!/bin/sh
# Times quillfold-cli.exe under Wine against the Linux quillfold-cli on the
# same folder of generated files, plain and with paging at 95, and prints
# the best of several runs of each. The page files a run wrote are removed
# before the next one, outside the timed part, except in the last row, where
# every run appends to the pages an earlier run made. Then it times the
# system alone at the same work (bench/windows/system_floor.cc): the listing,
# and making as many new files as paging makes pages. (Wine lists slowly, as
# it asks the Unix side about each entry, and makes each new file in a
# folder of many names slowly: it looks through the whole folder for a name
# that differs only in case, which NTFS never needs to.)
#
#   bench/wine_cli_bench.sh [--files N] [--runs R] [--scratch DIR]
#                           [--linux-build DIR] [--windows-build DIR]
#
# Build both first: cmake --preset default && cmake --build --preset default
# and cmake --preset windows && cmake --build --preset windows.
set -e
cd "$(dirname "$0")/.."
files=100000
runs=3
scratch=/dev/shm/quillfold-wine-bench
linux_build=build/default
windows_build=build/windows
while [ $# -gt 1 ]; do
  case $1 in
    --files) files=$2 ;;
    --runs) runs=$2 ;;
    --scratch) scratch=$2 ;;
    --linux-build) linux_build=$2 ;;
    --windows-build) windows_build=$2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
linux_cli=$(realpath "$linux_build/cli/quillfold-cli")
windows_cli=$(realpath "$windows_build/cli/quillfold-cli.exe")
system_floor=$(realpath "$windows_build/bench/system_floor.exe")
wine_run="$(realpath cmake/wine-run.sh) $(realpath "$windows_build")/wine"

folder=$scratch/files-$files
if [ ! -f "$folder/.complete" ]; then
  rm -rf "$folder"
  mkdir -p "$folder"
  (cd "$folder" && seq -f "file-%07g.txt" 1 "$files" | xargs touch && touch .complete)
fi
# Wine reaches the POSIX file system's root as drive Z:.
windows_folder="Z:$(realpath "$folder" | tr / '\\')"

now() { date +%s.%N; }

# best KEEP COMMAND...: the fastest of the runs in seconds; with KEEP "keep"
# the page files stay from one run to the next.
best() {
  keep=$1
  shift
  fastest=""
  [ "$keep" != keep ] || "$@" >/dev/null
  i=0
  while [ "$i" -lt "$runs" ]; do
    [ "$keep" = keep ] || rm -f "$folder"/index*.html "$folder"/floor-*.tmp
    start=$(now)
    "$@" >/dev/null
    end=$(now)
    fastest=$(echo "$start $end ${fastest:-1e9}" | awk '{t = $2 - $1; print (t < $3 ? t : $3)}')
    i=$((i + 1))
  done
  rm -f "$folder"/index*.html
  echo "$fastest"
}

# A first run starts the Wine server and fills the caches; it is not timed.
$wine_run "$windows_cli" --version >/dev/null
wine_start=$(best new $wine_run "$windows_cli" --version)
linux_plain=$(best new "$linux_cli" "$folder")
wine_plain=$(best new $wine_run "$windows_cli" "$windows_folder")
linux_paged=$(best new "$linux_cli" --paging "$folder")
wine_paged=$(best new $wine_run "$windows_cli" --paging "$windows_folder")
linux_kept=$(best keep "$linux_cli" --paging "$folder")
wine_kept=$(best keep $wine_run "$windows_cli" --paging "$windows_folder")
wine_listing=$(best new $wine_run "$system_floor" list "$windows_folder")
pages=$(((files + 94) / 95))
wine_making=$(best new $wine_run "$system_floor" create "$windows_folder" "$pages")
rm -f "$folder"/floor-*.tmp

echo "$files files, best of $runs runs, folder $folder"
printf '%-22s %10s %10s %7s\n' "run" "Linux s" "Wine s" "ratio"
for row in "plain $linux_plain $wine_plain" "paging-at-95 $linux_paged $wine_paged" \
  "paging,-pages-there $linux_kept $wine_kept"; do
  echo "$row" | awk '{printf "%-22s %10.3f %10.3f %7.2f\n", $1, $2, $3, $3 / $2}'
done
echo "$wine_start" | awk '{printf "Wine start-up alone (--version): %.3f s, included above\n", $1}'
echo "Wine alone at the same work (system_floor.exe), start-up included:"
echo "$wine_listing $wine_plain" |
  awk '{printf "  listing the folder:        %7.3f s; the plain run takes %.2f times that\n", $1, $2 / $1}'
echo "$wine_making $pages $wine_listing $wine_paged" |
  awk '{printf "  making %d new files in it: %7.3f s; paging at 95 takes %.2f times both\n", $2, $1, $4 / ($1 + $3)}'
