#!/usr/bin/env bash
# Builds the project and runs every test, headless.
#   ./test.sh                the normal build, in build/
#   ./test.sh --sanitizers   everything built with AddressSanitizer and
#                            UndefinedBehaviorSanitizer, in build-asan/: a
#                            Debug build, so Qt's Q_ASSERT and the standard
#                            library's checks run too; LeakSanitizer checks
#                            every process at its end
# ZEL_CMAKE_ARGS adds arguments to CMake's configure step (CI: -DZEL_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--sanitizers" ]; then
    export ZEL_BUILD_DIR="$PWD/build-asan"
    export ZEL_BUILD_TYPE=Debug
    export ZEL_CMAKE_ARGS="${ZEL_CMAKE_ARGS:-} -DZEL_SANITIZE=ON -DZEL_BENCH=OFF"
    # Leaks are checked when a process ends; tests/vazamentos.supp names the
    # ones that are not ours to mend.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/vazamentos.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
source scripts/preparar.sh --testes
cd "$compilacao"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
