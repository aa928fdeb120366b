#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Numbrook developers
# Installs what the tests need, builds Numbrook (debug) and runs the tests through ctest inside
# private test environments (Xvfb with a window manager, a sound server with virtual devices),
# which are torn down afterwards:
#   1. every test on a private PulseAudio;
#   2. the tests labelled sound-server once more on a private PipeWire (its PulseAudio service).
# Where PipeWire's desktop packages are installed there is no PulseAudio (scripts/deps.sh), and
# every test runs on PipeWire. Meanwhile the sanitizer builds, the release build and the fuzzing
# harness build at the lowest priority; then the address/UB and thread sanitizer tests run, the
# Debian package is built from the release build and checked, and meanwhile the RIFF WAVE reader
# is fuzzed for a minute at the lowest priority. Arguments go to every ctest run of the debug
# build (for example -R capture).
set -euo pipefail
cd "$(dirname "$0")/.."

# Test functions known to fail on PipeWire, as "program function[:data row]  reason". They run
# there all the same, blacklisted: their failures are listed but do not fail the run. Remove an
# entry once the engine or the test handles the difference.
pipewire_known_failures=()

# Writes (or with "remove", removes) a Qt Test BLACKLIST file beside each test program of the
# list: Qt Test reads it from the program's folder and reports those functions as BFAIL/BPASS.
blacklist() {
    local entry program function file
    [ -d build/debug/tests ] || return 0
    for entry in "${pipewire_known_failures[@]}"; do
        read -r program function _ <<<"$entry"
        file=$(find build/debug/tests -name "$program" -type f -perm -u+x | head -n1)
        [ -n "$file" ] || continue
        file="$(dirname "$file")/BLACKLIST"
        if [ "$1" = remove ]; then
            rm -f "$file"
        else
            printf '[%s]\n*\n' "$function" >>"$file"
        fi
    done
}

stage_times=()
stage() { # name command...: runs a stage and records how long it took
    local name=$1 start=$SECONDS status=0
    shift
    "$@" || status=$?
    stage_times+=("$(printf '%-34s %4d s' "$name" $((SECONDS - start)))")
    return $status
}
print_times() {
    echo "--- Time per stage"
    printf '%s\n' "${stage_times[@]}"
}
other_builds_pid=
# The builds behind the tests are a process group of their own: a failed run ends them all.
end_other_builds() {
    if [ -n "$other_builds_pid" ]; then
        kill -- "-$other_builds_pid" 2>/dev/null || true
        # A group stopped for the PipeWire tests ends only once it runs again.
        kill -CONT -- "-$other_builds_pid" 2>/dev/null || true
    fi
}
fuzz_pid=
end_fuzzing() {
    if [ -n "$fuzz_pid" ]; then
        kill -- "-$fuzz_pid" 2>/dev/null || true
    fi
}
trap 'blacklist remove; end_other_builds; end_fuzzing; print_times' EXIT

stage "installing packages" scripts/deps.sh test
# Licence lines and formatting of every source file, before anything is built.
stage "source checks" scripts/check-sources.sh
cmake --preset debug >/dev/null
stage "debug build" cmake --build --preset debug -j"$(nproc)"

# The sanitizer builds (each with only the test programs it runs: address and undefined
# behaviour over the window-free logic and the sound engine, the thread sanitizer over the code
# with worker threads), the program as scripts/run.sh builds it (the optimiser warns about things
# the debug build does not see, and warnings are errors) and the fuzzing harness are built behind
# the test runs at the lowest priority: the tests spend most of their time waiting for sound
# played in real time, and a niced build takes little from a test that wants the processor.
asan_tests=(tst_generator tst_quizsettings tst_questioncycle tst_settingskey tst_results_store
    tst_riff_reader tst_capture_scan tst_object_ini_store tst_sound_errors tst_playback_format
    tst_answerchannel tst_fact_fluency tst_practice tst_children_store tst_clap_detector
    tst_capture_pulse tst_catalogue_pulse tst_playback_pulse)
tsan_tests=(tst_sound_errors tst_capture_pulse tst_playback_pulse tst_microphone_answer tst_server_follow)
other_builds() {
    cmake --preset asan >/dev/null &&
        cmake --build --preset asan -j"$(nproc)" --target "${asan_tests[@]}" &&
        cmake --preset tsan >/dev/null &&
        cmake --build --preset tsan -j"$(nproc)" --target "${tsan_tests[@]}" &&
        cmake --preset release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null &&
        cmake --build --preset release -j"$(nproc)" --target numbrook numbrook_help_texts \
            numbrook_desktop_files &&
        cmake --preset fuzz >/dev/null &&
        cmake --build --preset fuzz --target fuzz_riff
}
mkdir -p build
other_builds_log=build/other-builds.log
setsid nice -n 19 bash -c "$(declare -f other_builds); $(declare -p asan_tests tsan_tests); other_builds" \
    >"$other_builds_log" 2>&1 &
other_builds_pid=$!

read -ra servers <<<"$(scripts/deps.sh servers)"
exclusion=()
if ! command -v pulseaudio >/dev/null; then
    echo "tst_pulse_fault starts a PulseAudio of its own: left out, pulseaudio is not installed."
    exclusion=(-E '^tst_pulse_fault$')
fi
failed=()
for server in "${servers[@]}"; do
    selection=("${exclusion[@]}")
    if [ "$server" != "${servers[0]}" ]; then
        selection+=(-L sound-server)
    fi
    blacklist remove
    if [ "$server" = pipewire ]; then
        blacklist write
    fi
    rm -f build/debug/Testing/Temporary/LastTestsFailed.log
    # The tests that clap into the test microphone in real time can lose a clap on a busy
    # shared machine (seen in rehearsals: one clap of six, or a 30-second sound that took 40
    # on PipeWire). A test that fails runs once more; the output shows both runs.
    # PipeWire's test graph (a null sink's monitor remapped as a microphone) drops sound when
    # a compiler holds the processor, even a niced one: the clap tests then hear clicks as
    # claps and lose real ones. The builds behind the tests wait while they run.
    if [ "$server" = pipewire ]; then
        kill -STOP -- "-$other_builds_pid" 2>/dev/null || true
    fi
    # Two tests at a time: a third shortened the PulseAudio stage by a minute and a half but
    # left the builds behind it three minutes of work for after the tests.
    echo "=== Tests on $server ${selection[*]}"
    if ! stage "tests on $server ${selection[*]}" \
        scripts/test-env.sh --server "$server" ctest --preset debug -j2 --repeat until-pass:2 \
        "${selection[@]}" "$@"; then
        failed+=("$server ($(sed 's/^[0-9]*://' build/debug/Testing/Temporary/LastTestsFailed.log \
            2>/dev/null | tr '\n' ' '))")
    fi
    kill -CONT -- "-$other_builds_pid" 2>/dev/null || true
    if [ "$server" = pipewire ]; then
        echo "Known PipeWire failures (blacklisted) in this run:"
        grep -h '^BFAIL\|^BPASS' build/debug/Testing/Temporary/LastTest.log | sort -u ||
            echo "  none ran"
    fi
done
blacklist remove
if [ ${#failed[@]} -gt 0 ]; then
    echo "=== FAILED on ${failed[*]}" >&2
    exit 1
fi

finish_other_builds() {
    if wait "$other_builds_pid"; then
        other_builds_pid=
        return 0
    fi
    other_builds_pid=
    echo "=== the sanitizer, release or fuzzing build failed:" >&2
    tail -n 60 "$other_builds_log" >&2
    return 1
}
stage "rest of the builds (after the tests)" finish_other_builds

sanitizer_tests() { # preset test...: runs those tests of that preset's build
    local preset=$1
    shift
    local names
    names=$(IFS='|' && echo "$*")
    # Without address space randomisation, which the thread sanitizer's shadow memory layout
    # does not always survive on newer kernels. No session bus either: Qt's D-Bus thread (the
    # accessibility bridge, the tray) hands its messages over through locks the sanitizer
    # cannot see in the uninstrumented Qt, and none of these tests needs it.
    local run=(env DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/numbrook-no-bus
        setarch "$(uname -m)" -R scripts/test-env.sh --server "${servers[0]}"
        ctest --preset "$preset" -j2)
    "${run[@]}" -R "^($names)\$" && return 0
    # A test that failed with no sanitizer finding runs once more, as in the test stages: a
    # clap lost on a busy machine, or the thread sanitizer's runtime crashing while it describes
    # a heap block for a report (a failed CHECK on its own thread registry lock).
    local log="build/$preset/Testing/Temporary/LastTest.log"
    local finding="^WARNING: ThreadSanitizer\|ERROR: AddressSanitizer\|runtime error:"
    if ! grep -q "$finding" "$log"; then
        echo "=== failed tests with no sanitizer finding; they run once more"
        "${run[@]}" --rerun-failed
        return
    fi
    # A race whose accesses are all inside the uninstrumented libraries, no frame of ours in
    # them (seen: Qt's D-Bus thread freeing its own memory as the program ends), is the
    # libraries' own: the failed tests run once more, and must then pass without a report.
    if [ "$preset" = tsan ] && only_library_races "$log"; then
        echo "=== only races inside the libraries were reported; the failed tests once more"
        "${run[@]}" --rerun-failed
        return
    fi
    return 1
}
only_library_races() { # log: true when it has race reports, and none has a frame of our code
    grep -q "^WARNING: ThreadSanitizer: data race" "$1" || return 1
    ! grep -q "ERROR: AddressSanitizer\|runtime error:\|WARNING: ThreadSanitizer: [^d]" "$1" ||
        return 1
    awk -v ours="$PWD/" '
        /^WARNING: ThreadSanitizer/ { report = 1; accesses = 1; next }
        /^SUMMARY: ThreadSanitizer/ { report = 0; next }
        report && /^  (Location|Mutex|Thread) / { accesses = 0 }
        report && /^  (Read|Write|Atomic|Previous) / { accesses = 1 }
        report && accesses && /#[0-9]+ / && (index($0, ours) || /numbrook::/) { found = 1 }
        END { exit found }' "$1"
}
# A minute of fuzzing of the RIFF WAVE reader on its seed corpus, at the lowest priority beside
# the sanitizer tests and the package check, which mostly wait for sound or for the display.
fuzz_log=build/fuzz.log
setsid nice -n 19 scripts/fuzz.sh 60 >"$fuzz_log" 2>&1 &
fuzz_pid=$!
finish_fuzzing() {
    local status=0
    wait "$fuzz_pid" || status=$?
    fuzz_pid=
    # libFuzzer's closing figures, or the whole report of what it found.
    if [ $status -eq 0 ]; then
        grep '^stat::\|^Done' "$fuzz_log" || true
    else
        echo "=== fuzzing failed:" >&2
        tail -n 60 "$fuzz_log" >&2
    fi
    return $status
}

stage "address/UB sanitizer" sanitizer_tests asan "${asan_tests[@]}"
stage "thread sanitizer" sanitizer_tests tsan "${tsan_tests[@]}"

# The Debian package from the release build: validators, lintian, and the installed program run
# from a scratch root.
stage "package" scripts/package.sh >/dev/null
stage "package check" scripts/test-env.sh tests/package/check_package.sh
stage "fuzzing (the rest of its minute)" finish_fuzzing
