# Builds one libFuzzer target with clang and runs it (cmake -P, from ctest or by hand):
#   -DTARGET=<name of fuzz/targets/<name>.cmake>  -DSOURCE_DIR=<repo>  -DWORK_DIR=<scratch folder>
#   -DSECONDS=<run time, default 5>  -DMAX_LEN=<longest input in bytes, default 1024 or the target's>
# The seed corpus is fuzz/corpus/<TARGET>/.
# Where clang or its libFuzzer runtime is missing the run is skipped with a message that says so.
cmake_minimum_required(VERSION 3.25)

if(NOT SECONDS)
    set(SECONDS 5)
endif()

find_program(CLANG_CXX NAMES clang++ clang++-16 clang++-15 clang++-14)
if(NOT CLANG_CXX)
    message("Fuzz run skipped: clang++ not found; install clang and libclang-rt-14-dev")
    return()
endif()

# Each target is fuzz/<TARGET>_fuzz.cpp with its plug-in (or simulated game) sources listed in
# fuzz/targets/<TARGET>.cmake as fuzz_sources (paths or globs relative to SOURCE_DIR) and its
# seeds in fuzz/corpus/<TARGET>/. A new target is those three; nothing here changes.
set(fuzz_sources)
set(fuzz_defines)
set(fuzz_max_len)
include(${SOURCE_DIR}/fuzz/targets/${TARGET}.cmake OPTIONAL RESULT_VARIABLE found)
if(NOT found)
    message(FATAL_ERROR "unknown fuzz target '${TARGET}'")
endif()
# The text parsers read line by line, so a fault shows within half a kilobyte; longer inputs only
# make each run slower (the unit tests cover long lines and big files): corpora of the
# population, settings and data-file targets grown for ten minutes up to 1024 bytes reach no edge
# more than they do cut to 512, where the population target runs twice as fast. A target whose
# format needs more says so with fuzz_max_len.
if(NOT MAX_LEN)
    if(fuzz_max_len)
        set(MAX_LEN ${fuzz_max_len})
    else()
        set(MAX_LEN 512)
    endif()
endif()
set(sources ${SOURCE_DIR}/fuzz/${TARGET}_fuzz.cpp)
foreach(pattern ${fuzz_sources})
    file(GLOB_RECURSE matched ${SOURCE_DIR}/${pattern})
    list(APPEND sources ${matched})
endforeach()
set(defines)
foreach(define ${fuzz_defines})
    list(APPEND defines -D${define})
endforeach()

file(MAKE_DIRECTORY ${WORK_DIR})
set(binary ${WORK_DIR}/${TARGET}_fuzz)
# Built again only when a source (or a header of src/) is newer than the last build.
set(stale FALSE)
file(GLOB_RECURSE headers ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/sim/*.h ${SOURCE_DIR}/tools/*.h
     ${SOURCE_DIR}/fuzz/*.h
     ${SOURCE_DIR}/fuzz/targets/${TARGET}.cmake ${SOURCE_DIR}/fuzz/coverage_ignore.txt)
foreach(file ${sources} ${headers})
    if(NOT EXISTS ${binary} OR ${file} IS_NEWER_THAN ${binary})
        set(stale TRUE)
    endif()
endforeach()
if(stale)
    execute_process(
        COMMAND ${CLANG_CXX} -std=c++20 -g -O2 -fsanitize=fuzzer,address,undefined
                -fno-sanitize-recover=all
                -fsanitize-coverage-ignorelist=${SOURCE_DIR}/fuzz/coverage_ignore.txt
                -I${SOURCE_DIR}/src -I${SOURCE_DIR} ${defines}
                ${sources} -o ${binary} -lpthread
        RESULT_VARIABLE rc ERROR_VARIABLE errors)
    if(NOT rc EQUAL 0)
        if(errors MATCHES "libclang_rt.fuzzer|-lclang_rt|fsanitize=fuzzer")
            message("Fuzz run skipped: clang has no libFuzzer runtime; install libclang-rt-14-dev\n"
                    "${errors}")
            return()
        endif()
        message(FATAL_ERROR "building the fuzz target failed:\n${errors}")
    endif()
endif()

# A fresh corpus from the checked-in seeds each run; what the run finds stays in WORK_DIR.
set(corpus ${WORK_DIR}/${TARGET}_corpus)
file(REMOVE_RECURSE ${corpus})
file(MAKE_DIRECTORY ${corpus})
file(GLOB seeds ${SOURCE_DIR}/fuzz/corpus/${TARGET}/*)
file(COPY ${seeds} DESTINATION ${corpus})

# The targets parse from memory; a scratch folder catches anything that would write all the same.
set(scratch ${WORK_DIR}/${TARGET}_scratch)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})
# AddressSanitizer keeps freed memory aside (its quarantine) so that a use after free is caught;
# 16 MB is far more than one input's run frees, and memory it hands out again is still in the
# cache, where the default 256 MB is not: the runs go about a quarter faster. Options of your own
# in ASAN_OPTIONS come after, so they win.
set(asan_options "quarantine_size_mb=16")
if(DEFINED ENV{ASAN_OPTIONS})
    string(APPEND asan_options ":$ENV{ASAN_OPTIONS}")
endif()
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=${asan_options}
            ${binary} -max_total_time=${SECONDS} -max_len=${MAX_LEN} -timeout=10 -rss_limit_mb=1024
            -artifact_prefix=${WORK_DIR}/${TARGET}- ${corpus}
    WORKING_DIRECTORY ${scratch}
    RESULT_VARIABLE rc OUTPUT_VARIABLE output ERROR_VARIABLE output)
string(REGEX MATCH "Done [0-9]+ runs in [0-9]+ second" done "${output}")
message("${TARGET}: ${done}")
if(NOT rc EQUAL 0)
    # The report is at the end of libFuzzer's output.
    string(LENGTH "${output}" length)
    if(length GREATER 6000)
        math(EXPR from "${length} - 6000")
        string(SUBSTRING "${output}" ${from} -1 output)
    endif()
    message(FATAL_ERROR "the fuzz target found a fault (artifacts in ${WORK_DIR}):\n${output}")
endif()
