# Runs the tests of one build directory: the GoogleTest unit binary as one
# process per core (a sanitized binary takes most of a second to start, so
# one process per test took five times as long as the tests themselves),
# then every other ctest entry (the widget classes, the screens and the
# command-line checks) as ctest runs them.
#   quorled_run_tests BUILD_DIR
quorled_run_tests() {
    local build="$1" shards
    shards="$(nproc)"
    local binary logs
    binary="$(cd "$build/tests" && pwd)/quorled_unit_tests"
    logs="$(mktemp -d)"
    local pids=() shard
    for ((shard = 0; shard < shards; shard++)); do
        (cd "$build/tests" && GTEST_TOTAL_SHARDS="$shards" GTEST_SHARD_INDEX="$shard" \
            "$binary" >"$logs/$shard.log" 2>&1) &
        pids+=("$!")
    done
    local failed=0
    for shard in "${!pids[@]}"; do
        if wait "${pids[$shard]}"; then
            echo "unit tests, part $((shard + 1)) of $shards: $(grep -E '^\[  PASSED  \]' "$logs/$shard.log")"
        else
            # The failed tests' reports, and the end of the log, which names
            # the test that was running when a process stopped.
            echo "unit tests, part $((shard + 1)) of $shards failed:"
            grep -E -A 30 '^\[  FAILED  \]|Failure$' "$logs/$shard.log" | head -n 400 || true
            echo "..."
            tail -n 60 "$logs/$shard.log"
            failed=1
        fi
    done
    rm -rf "$logs"
    ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -LE unit || failed=1
    return "$failed"
}
