#!/usr/bin/env bash
# Builds Vellumark9 and runs every test: the unit and window tests, the end-to-end tests under
# their own Xvfb (one reads the window through the accessibility bus, as a screen reader does),
# every test again, the window's included, under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the fuzz harnesses over their corpus. Needs no display. Warnings are errors here.
#
# Every build goes through a preset of CMakePresets.json, which holds its flags. With --quick:
# builds and runs the unit tests of the Qt-free libraries only (preset quick, build-quick/), the
# loop to run while changing them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
jobs=$(nproc)

if [ "${1:-}" = --quick ]; then
    vellum_need "for the quick tests" "${VELLUM_QUICK_PACKAGES[@]}"
    echo "==> Building the unit tests in build-quick/"
    cmake --preset quick >/dev/null
    cmake --build --preset quick --parallel "$jobs"
    exec ctest --preset quick --parallel "$jobs"
fi

vellum_need "to build and test Vellumark9" "${VELLUM_BUILD_PACKAGES[@]}" "${VELLUM_QUICK_PACKAGES[@]}" \
    xvfb xauth openbox xdotool xclip x11-utils dbus at-spi2-core python3-pyatspi orca \
    clang libclang-rt-dev \
    desktop-file-utils appstream dpkg-dev file lintian man-db clang-format clang-tidy \
    build-essential debhelper devscripts autopkgtest faketime diffoscope-minimal libbenchmark-dev libssl-dev \
    qt6-translations-l10n locales-all fonts-wqy-microhei emscripten chromium chromium-driver \
    python3-selenium zbar-tools imagemagick
# npm fetches axe-core for the page's audit; a Node.js from outside Debian brings its own npm.
command -v npm >/dev/null || vellum_need "to fetch the page's audit" npm

echo "==> Checking the formatting against .clang-format"
find app bench component filter fuzz tests text web window -name '*.cpp' -o -name '*.h' |
    xargs clang-format --dry-run --Werror

echo "==> The offline page with Emscripten, and the Qt-free unit tests on it under node (build-web/)"
cmake --preset web >/dev/null
cmake --build --preset web --parallel "$jobs"
ctest --preset web --parallel "$jobs"
echo "==> axe-core for the page's audit, as its lockfile pins it (npm ci)"
npm ci --prefix tests/web --no-audit --no-fund --loglevel=error

echo "==> Building in build-dev/, the benchmarks too, so that they keep building"
cmake --preset dev >/dev/null
cmake --build --preset dev --parallel "$jobs"
echo "==> Checking the catalogues against the sources, and every shipped language for gaps"
scripts/check-translations.sh
echo "==> Static analysis with clang-tidy (.clang-tidy)"
if ! find app component filter text window -name '*.cpp' |
    xargs -P "$jobs" -n 4 clang-tidy -p build-dev --quiet >build-dev/clang-tidy.log 2>&1; then
    grep -E -A4 '(warning|error):' build-dev/clang-tidy.log
    echo "==> clang-tidy found the problems above" >&2
    exit 1
fi
echo "==> Running the tests"
ctest --preset dev --parallel "$jobs"
echo "==> Hardening of the programs"
(source tests/packaging/lib.sh && check_hardening build-dev/bin/vellumark9 \
    build-dev/libexec/vellumark9/vellumark9-window)

echo "==> The Debian package (dpkg-buildpackage twice, lintian, hardening-check, autopkgtest)"
tests/packaging/check_package.sh

echo "==> Fuzzing each harness for 30 seconds (build-fuzz/)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$jobs"
for harness in fuzz/corpus/*/; do
    name=$(basename "$harness")
    found=$(mktemp -d)
    log=build-fuzz/fuzz_$name.log
    if ! build-fuzz/fuzz/fuzz_"$name" -max_total_time=30 -max_len=40000 -timeout=10 \
        "$found" "$harness" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "==> The $name harness failed; its whole log is $log" >&2
        exit 1
    fi
    echo "    $name: $(grep -E '^Done' "$log")"
    rm -rf "$found"
done

echo "==> Every test but the package's under AddressSanitizer and UndefinedBehaviorSanitizer (build-sanitize/)"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --parallel "$jobs"
# The window's end-to-end tests run the sanitized program too; tests/lsan.supp, which the preset
# names, holds the leaks that are Qt's own.
ctest --preset sanitize --parallel "$jobs"
