#!/bin/sh
# Fails unless every object of the core libraries given calls the coverage counters and the
# address checks, and each library the undefined-behaviour checks: the code the fuzzers test is
# instrumented, not only their harness.
[ $# -gt 0 ] || { echo "no core library given"; exit 1; }
for library in "$@"; do
    nm -A -u "$library" | awk -v all="$(ar t "$library")" -v lib="$library" '
        BEGIN { mark[1] = "__sanitizer_cov_8bit_counters_init"; mark[2] = "__asan_init" }
        { split($1, at, ":"); seen[at[2] " " $NF] = 1 }
        $NF ~ /^__ubsan_handle_/ { ubsan = 1 }
        END {
            if (!ubsan) { print lib ": no undefined-behaviour checks"; bad = 1 }
            for (i = split(all, object, "\n"); i > 0; --i) for (m in mark)
                if (!seen[object[i] " " mark[m]]) { print lib ": " object[i] " lacks " mark[m]; bad = 1 }
            exit bad
        }' || exit 1
done
