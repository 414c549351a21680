#!/usr/bin/env bash
# Plants each one-line fault of tools/mutants/ in a scratch copy of the tree,
# builds the 64-bit tests and runs those that can catch it, stopping at the
# first failure; prints "caught" (and by which test) or "MISSED" per fault and
# the count last. Exit code 1 when a fault was missed or did not build.
#   usage: tools/mutants.sh [NAME...]   (NAME: a number or part of a file name)
#
# One scratch tree serves every fault: the fault is applied, the tests are
# built incrementally and run, and the fault is reverted before the next one.
# Only the test programs whose files the build changed run: a fault in
# vordacond/ rebuilds only VordaCond.exe, and so only its tests run. They run
# in the order unit, tool, UI (the fast ones first): the unit and the tool
# tests first in one process each, a failure then confirmed by ctest running
# that test alone; the UI tests through ctest, each in its own process. The
# reruns under code page 932, the fuzzer, the memory program and the trial of
# the writers are left out: they repeat cases or check crashes, memory and
# whole files, not behaviour. The scratch
# tree (build/mutants-scratch) is removed when the script ends; its compiles
# come from the compiler cache on the next run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
scratch=$build/mutants-scratch

patches=()
if [ $# -eq 0 ]; then
    patches=("$root"/tools/mutants/*.patch)
else
    for name in "$@"; do
        found=("$root"/tools/mutants/*"$name"*.patch)
        [ -e "${found[0]}" ] || { echo "mutants: no fault matches $name" >&2; exit 2; }
        patches+=("${found[@]}")
    done
fi

"$root/tools/setup.sh" "$build" >/dev/null
source "$root/tools/wine-env.sh" "$build"
export CCACHE_NOHASHDIR=1

cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# The tree as it stands (tracked and new files), with its files' times, so
# that what make rebuilds after a fault is what the fault touches.
rm -rf "$scratch"
mkdir -p "$scratch/src"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 cp -p --parents -t "$scratch/src" 2>/dev/null || true)
obj=$scratch/src/build/x64
targets=(vorda_unit_tests vorda_tool_tests vorda_ui_tests)
build_tests() {
    cmake --build "$obj" -j "$(nproc)" --target "${targets[@]}" >"$scratch/build.log" 2>&1
}
echo "mutants: building the scratch tree"
(cd "$scratch/src" && cmake --preset x64 -B "$obj" >/dev/null)
if ! build_tests; then
    tail -20 "$scratch/build.log" >&2
    echo "mutants: the tree does not build without a fault" >&2
    exit 1
fi

wineserver -p >/dev/null 2>&1 || true
wine cmd /c exit >/dev/null 2>&1 || true

# Test names per program, in the order they run, and how ctest starts each
# program (folder, environment, command), from ctest's own listing.
(cd "$obj" && ctest --show-only=json-v1) >"$scratch/tests.json"
jq -r '
    .tests[] | select(.name | test("^(cp932|fuzz|memory|trial)\\.") | not)
    | [((.command // [])[] | select(test("vorda_[a-z]+_tests")) | capture("(?<p>vorda_[a-z]+_tests)").p),
       .name] | @tsv' "$scratch/tests.json" >"$scratch/tests.tsv"
jq -r '
    .tests[] | select(.name | test("^(cp932|fuzz|memory|trial)\\.") | not)
    | ((.command // []) | map(test("vorda_[a-z]+_tests\\.exe$")) | index(true)) as $exe
    | select($exe != null)
    | [(.command[$exe] | capture("(?<p>vorda_[a-z]+_tests)").p),
       ((.properties // []) | map(select(.name == "WORKING_DIRECTORY") | .value) | first // ""),
       ([(.properties // [])[] | select(.name == "ENVIRONMENT") | .value[]] | join(" ")),
       (.command[0:$exe + 1] | join("\u001f"))] | @tsv' "$scratch/tests.json" |
    sort -u -t$'\t' -k1,1 >"$scratch/programs.tsv"

# A program's tests run when the build changed a file they use; a change in
# anything else of bin/ (the stand-in libraries) runs them all.
group_files() {
    case $1 in
        vorda_unit_tests) echo "vorda_unit_tests.exe" ;;
        vorda_tool_tests) echo "vorda_tool_tests.exe VordaCond.exe" ;;
        vorda_ui_tests)
            echo "vorda_ui_tests.exe VordaEnv.dll VordaHost.exe hhctrl.ocx VordaEnvRes040c.dll" ;;
    esac
}
known=" $(for t in "${targets[@]}"; do group_files "$t"; done | tr '\n' ' ') "

# run_group PROGRAM [TEST]: its tests (or TEST alone) through ctest, stopping
# at the first failure; prints the failing test's name and returns 1 when one
# fails.
run_group() {
    local names regex
    names=${2:-$(awk -F'\t' -v p="$1" '$1 == p { print $2 }' "$scratch/tests.tsv")}
    [ -n "$names" ] || return 0
    regex="^($(printf '%s\n' "$names" | sed 's/[][().*+?^$|\\]/\\&/g' | paste -sd'|'))\$"
    if (cd "$obj" && ctest --stop-on-failure -R "$regex" >"$scratch/ctest.log" 2>&1); then
        return 0
    fi
    sed -n '/tests FAILED:/,$ s/^[[:space:]]*[0-9]* - \(.*\) ([^)]*)$/\1/p' "$scratch/ctest.log" |
        head -1
    return 1
}

# run_batch PROGRAM: its tests in one process, stopping at the first failure
# (a process per test costs seconds under Wine); a failure is then confirmed
# by ctest running that test alone, as the test command runs it. When the
# program cannot tell (it crashed, or the failure does not repeat alone),
# ctest runs its tests one by one.
run_batch() {
    local folder environment command failed
    IFS=$'\t' read -r _ folder environment command < <(awk -F'\t' -v p="$1" '$1 == p' \
        "$scratch/programs.tsv")
    [ -n "${command:-}" ] || { run_group "$1"; return; }
    local argv=()
    IFS=$'\x1f' read -ra argv <<<"$command"
    # shellcheck disable=SC2086  # the environment is a list of NAME=VALUE words
    if (cd "$folder" && env $environment "${argv[@]}" --gtest_fail_fast --gtest_brief=1 \
        >"$scratch/batch.log" 2>&1); then
        return 0
    fi
    failed=$(sed -n 's/^\[  FAILED  \] \([^ ]*\) (.*/\1/p' "$scratch/batch.log" | head -1)
    if [ -n "$failed" ] && ! run_group "$1" "$failed" >/dev/null; then
        echo "$failed"
        return 1
    fi
    run_group "$1"
}

caught=0
total=0
failed=0
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    total=$((total + 1))
    if ! grep -qE '^[-+]([^-+]|$)' "$patch" || ! (cd "$scratch/src" && patch -p1 -s <"$patch"); then
        printf '%-28s ERROR (does not apply)\n' "$name"
        failed=1
        continue
    fi
    touch "$scratch/stamp"
    if ! build_tests; then
        printf '%-28s ERROR (does not build)\n' "$name"
        failed=1
    else
        changed=" $(find "$obj/bin" -maxdepth 1 -type f -newer "$scratch/stamp" -printf '%f ') "
        all=0
        for f in $changed; do
            [[ $known == *" $f "* ]] || all=1
        done
        verdict=MISSED
        for t in "${targets[@]}"; do
            run=$all
            for f in $(group_files "$t"); do
                [[ $changed == *" $f "* ]] && run=1
            done
            [ "$run" -eq 1 ] || continue
            if [ "$t" = vorda_ui_tests ]; then
                if by=$(run_group "$t"); then continue; fi
            elif by=$(run_batch "$t"); then
                continue
            fi
            verdict="caught  by ${by:-ctest}"
            break
        done
        printf '%-28s %s\n' "$name" "$verdict"
        if [ "$verdict" = MISSED ]; then failed=1; else caught=$((caught + 1)); fi
    fi
    (cd "$scratch/src" && patch -R -p1 -s <"$patch")
done
echo "mutants: $caught of $total caught"
[ "$failed" -eq 0 ]
