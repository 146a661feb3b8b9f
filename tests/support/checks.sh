# shellcheck shell=bash
# Sourced by the checks written in shell. check WHAT CONDITION: evaluates CONDITION, counts it
# as passed or failed and says WHAT failed; checks_done: the count, failing if any check did.
passed=0 failed=0
check() { if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $1"; fi; }
checks_done() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; }
