# Builds one libFuzzer target with clang and runs it (cmake -P, from ctest or by hand):
#   -DTARGET=settings|dict_data_file|bfrec  -DSOURCE_DIR=<repo>  -DWORK_DIR=<scratch folder>
#   -DSECONDS=<run time, default 5>
# The seed corpus is the shipped data folder (dist/Brackenfold/ and its AnimalsPopulation/), and
# fuzz/corpus/<target>/ where a target has seeds of its own.
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

set(sources_settings src/core/settings.cpp src/core/runtime.cpp src/core/log.cpp
    src/core/text.cpp)
set(sources_dict_data_file src/data/base_data_file.cpp src/data/dict_data_file.cpp
    src/core/log.cpp src/core/text.cpp)
set(sources_bfrec tools/replay/bfrec_reader.cpp tools/replay/bfrec_rewrite.cpp
    src/core/bfrec_encoder.cpp)
if(NOT DEFINED sources_${TARGET})
    message(FATAL_ERROR "unknown fuzz target '${TARGET}'")
endif()
set(sources ${SOURCE_DIR}/fuzz/${TARGET}_fuzz.cpp)
foreach(source ${sources_${TARGET}})
    list(APPEND sources ${SOURCE_DIR}/${source})
endforeach()

file(MAKE_DIRECTORY ${WORK_DIR})
set(binary ${WORK_DIR}/${TARGET}_fuzz)
# Built again only when a source (or a header of src/) is newer than the last build.
set(stale FALSE)
file(GLOB_RECURSE headers ${SOURCE_DIR}/src/*.h)
foreach(file ${sources} ${headers})
    if(NOT EXISTS ${binary} OR ${file} IS_NEWER_THAN ${binary})
        set(stale TRUE)
    endif()
endforeach()
if(stale)
    execute_process(
        COMMAND ${CLANG_CXX} -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined
                -fno-sanitize-recover=all -I${SOURCE_DIR}/src ${sources} -o ${binary}
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

# A fresh corpus from the shipped files each run; what the run finds stays in WORK_DIR.
set(corpus ${WORK_DIR}/${TARGET}_corpus)
file(REMOVE_RECURSE ${corpus})
file(MAKE_DIRECTORY ${corpus})
file(GLOB seeds ${SOURCE_DIR}/dist/Brackenfold/*.ini ${SOURCE_DIR}/dist/Brackenfold/*.dat
     ${SOURCE_DIR}/dist/Brackenfold/AnimalsPopulation/*.dat)
file(GLOB own_seeds ${SOURCE_DIR}/fuzz/corpus/${TARGET}/*)
list(APPEND seeds ${own_seeds})
file(COPY ${seeds} DESTINATION ${corpus})

# The target writes its inputs and logs relative to its folder: a scratch one.
set(scratch ${WORK_DIR}/${TARGET}_scratch)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})
execute_process(
    COMMAND ${binary} -max_total_time=${SECONDS} -max_len=4096 -timeout=10 -rss_limit_mb=1024
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
