#!/usr/bin/env bash
# Whole batch runs of two builds on the big-mesh scenes, interleaved (A B A B ...),
# each with its wall time, peak memory (/usr/bin/time -v) and the machine's load, then
# the median of each build per scene; the side files of the two builds are compared.
#
#   bench/compare-big-mesh.sh OLD_BUILD_DIR NEW_BUILD_DIR SCENE_DIR [RUNS]
#
# SCENE_DIR holds the scenes the benchmark program writes and keeps with
#   ORVEX_BENCH_SCENE_DIR=SCENE_DIR NEW_BUILD_DIR/bin/orvex-bench --benchmark_filter=BigMeshBatchRead
set -euo pipefail
old=$1 new=$2 scenes=$3 runs=${4:-5}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

run() { # build label scene -> "seconds kilobytes load"
    local load
    load=$(cut -d' ' -f1 /proc/loadavg)
    /usr/bin/time -v "$1/bin/orvex-batch" "$3" -c "OrvexExporter -shap -n -uvs -f \"$out/$2.xml\"" \
        >/dev/null 2>"$out/time"
    awk -v load="$load" '/Elapsed \(wall/ { n = split($NF, t, ":"); s = t[n] + 60 * t[n - 1] }
        /Maximum resident/ { kb = $NF } END { printf "%.2f %d %s\n", s, kb, load }' "$out/time"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for scene in bigQuadMesh bigTriangleMesh bigQuadMeshNoNormals; do
    file="$scenes/$scene.ma"
    [ -f "$file" ] || continue
    : >"$out/old.txt"
    : >"$out/new.txt"
    for ((i = 1; i <= runs; i++)); do
        for build in old new; do
            dir=$old
            [ "$build" = new ] && dir=$new
            run "$dir" "$build" "$file" >>"$out/$build.txt"
            tail -n 1 "$out/$build.txt" |
                awk -v what="$scene $build run $i" '{ printf "%s: %s s, peak %s KB, load %s\n", what, $1, $2, $3 }'
        done
    done
    for build in old new; do
        echo "$scene $build median: $(cut -d' ' -f1 "$out/$build.txt" | median) s," \
            "peak $(cut -d' ' -f2 "$out/$build.txt" | median) KB"
    done
    cmp -s "$out/old.xml.shapes" "$out/new.xml.shapes" && echo "$scene: side files identical" ||
        echo "$scene: SIDE FILES DIFFER"
done
