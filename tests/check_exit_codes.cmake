# brackenfold-check's exit codes, run as a player would run it.
# Run as: cmake -DCHECK=<brackenfold-check> -DSOURCE_DIR=<repo> -DWORK_DIR=<dir> -P check_exit_codes.cmake
function(expect_exit code)
    execute_process(COMMAND ${CHECK} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT rc EQUAL code)
        message(FATAL_ERROR "brackenfold-check ${ARGN}: exit ${rc}, expected ${code}\n${out}${err}")
    endif()
    set(output "${out}${err}" PARENT_SCOPE)
endfunction()

expect_exit(0 ${SOURCE_DIR}/dist)
if(NOT output MATCHES "no problems found")
    message(FATAL_ERROR "the shipped folder should be reported clean:\n${output}")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${SOURCE_DIR}/dist/Brackenfold DESTINATION ${WORK_DIR}/game)
file(APPEND ${WORK_DIR}/game/Brackenfold/Settings.ini "HuntingCompetition_TimeCap=12\n")
file(REMOVE ${WORK_DIR}/game/Brackenfold/Lang.dat)
expect_exit(1 ${WORK_DIR}/game)
foreach(said "Settings.ini:[0-9]+: unknown key \"HuntingCompetition_TimeCap\"; did you mean HuntingCompetitions_TimeCap\\?"
             "Lang.dat: is missing" "2 problems in")
    if(NOT output MATCHES "${said}")
        message(FATAL_ERROR "expected \"${said}\" in:\n${output}")
    endif()
endforeach()

# --record: a folder without record files shows none (0); a damaged record file is a problem (1).
expect_exit(0 --record ${SOURCE_DIR}/dist)
if(NOT output MATCHES "Arthur: no record yet")
    message(FATAL_ERROR "the shipped folder holds no record:\n${output}")
endif()
file(WRITE ${WORK_DIR}/game/Brackenfold/HuntersRecord.Arthur.dat "competitions.won=2\nbroken\n")
expect_exit(1 --record ${WORK_DIR}/game)
if(NOT output MATCHES "Arthur: HuntersRecord.Arthur.dat is damaged \\(line 1 is corrupt\\)")
    message(FATAL_ERROR "expected the damaged record to be named:\n${output}")
endif()
expect_exit(2 --record ${WORK_DIR}/no-such-folder)

expect_exit(2 ${WORK_DIR}/no-such-folder)
file(MAKE_DIRECTORY ${WORK_DIR}/empty)
expect_exit(2 ${WORK_DIR}/empty)
message(STATUS "brackenfold-check exit codes hold")
