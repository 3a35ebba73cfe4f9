# A run's recordings replayed (cmake -P, from ctest): every recording the run left in
# RUN_DIR/Brackenfold/Recordings (one per session, in the order they were made) must replay with
# no divergence, the replay must record the same bytes again, and the last session's log must be
# the run's log, line for line.
#   -DSIM=<brackenfold-sim> -DRUN_DIR=<the run's game folder> -DWORK_DIR=<scratch folder>
cmake_minimum_required(VERSION 3.25)

file(GLOB recordings ${RUN_DIR}/Brackenfold/Recordings/*.bfrec)
if(NOT recordings)
    if(NOT EXISTS ${RUN_DIR}/Brackenfold/Settings.ini)
        # Matched by the test's SKIP_REGULAR_EXPRESSION: the run had no settings to turn it on.
        message("Replay check skipped: the run has no Settings.ini, so nothing turned the recorder on")
        return()
    endif()
    message(FATAL_ERROR "the run left no recording in ${RUN_DIR}/Brackenfold/Recordings")
endif()
list(SORT recordings)
file(REMOVE_RECURSE ${WORK_DIR})
set(n 0)
foreach(recording ${recordings})
    math(EXPR n "${n} + 1")
    set(dir ${WORK_DIR}/session${n})
    execute_process(COMMAND ${SIM} --replay ${recording} --game-dir ${dir}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    message("${out}")
    if(NOT rc EQUAL 0 OR NOT out MATCHES "outcome: no divergence")
        message(FATAL_ERROR "the replay of ${recording} failed (${rc})")
    endif()
    file(GLOB again ${dir}/Brackenfold/Recordings/*.bfrec)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${recording} ${again}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "the replay recorded otherwise than the run: ${recording} and ${again}")
    endif()
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol ${RUN_DIR}/Brackenfold/Log.log
                        ${WORK_DIR}/session${n}/Brackenfold/Log.log
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the replay's log differs from the run's: ${RUN_DIR}/Brackenfold/Log.log")
endif()
message("ok: ${n} recordings replayed with no divergence; the same log and the same recordings")
