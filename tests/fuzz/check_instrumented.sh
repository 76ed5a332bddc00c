#!/bin/sh
# Fails unless every object in the libraries given calls the coverage counters and the address
# checks, and the libraries the undefined-behaviour checks: the code the fuzzers test is
# instrumented, not only their harness.
[ $# -gt 0 ] || { echo "no core library given"; exit 1; }
status=0
for library in "$@"; do
    nm -A -u "$library" | awk -v lib="$library" -v objects="$(ar t "$library" | tr '\n' ' ')" '
        { split($1, at, ":"); object = at[2] }
        $NF == "__sanitizer_cov_8bit_counters_init" { coverage[object] = 1 }
        $NF == "__asan_init" { address[object] = 1 }
        $NF ~ /^__ubsan_handle_/ { undefined = 1 }
        END {
            n = split(objects, list, " ")
            for (i = 1; i <= n; ++i) {
                if (!coverage[list[i]]) { print lib ": " list[i] " has no coverage counters"; bad = 1 }
                if (!address[list[i]]) { print lib ": " list[i] " has no address checks"; bad = 1 }
            }
            if (!undefined) { print lib ": no undefined-behaviour checks"; bad = 1 }
            exit bad
        }' || status=1
done
exit $status
