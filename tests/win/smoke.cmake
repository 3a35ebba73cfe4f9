# The Windows checks, run by ctest from the Linux build (cmake -P):
#   STEP=build  cross-builds Brackenfold.asi, the release zip, the stand-in hooks and the host into
#               WORK_DIR/build, then checks the .asi's imports and the zip's contents;
#   STEP=wine   unpacks the zip into a fresh game folder and runs the host under wine64.
# Where MinGW-w64 or Wine is missing the test is skipped (the message says what to install),
# unless BRACKENFOLD_REQUIRE_WINDOWS=1 makes it required.
cmake_minimum_required(VERSION 3.25)

set(build ${WORK_DIR}/build)
set(zip ${build}/Brackenfold-${VERSION}.zip)

function(skip_or_fail why)
    if("$ENV{BRACKENFOLD_REQUIRE_WINDOWS}" STREQUAL "1")
        message(FATAL_ERROR "${why} (required: BRACKENFOLD_REQUIRE_WINDOWS=1)")
    endif()
    # Matched by the test's SKIP_REGULAR_EXPRESSION.
    message("Windows test skipped: ${why}")
endfunction()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "failed (${rc}): ${command}")
    endif()
endfunction()

find_program(MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(MINGW_OBJDUMP x86_64-w64-mingw32-objdump)
if(NOT MINGW_CXX OR NOT MINGW_OBJDUMP)
    skip_or_fail("MinGW-w64 not found; install g++-mingw-w64-x86-64-posix")
    return()
endif()

if(STEP STREQUAL "build")
    run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G Ninja
        -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
        -DBRACKENFOLD_WIN_SMOKE=ON)
    run(${CMAKE_COMMAND} --build ${build})

    # The runtime is linked in: only Windows' own DLLs may be imported, by the plug-in and by the
    # checker that ships beside it.
    foreach(binary Brackenfold.asi tools/brackenfold-check.exe)
        execute_process(COMMAND ${MINGW_OBJDUMP} -p ${build}/${binary} OUTPUT_VARIABLE dump)
        string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
        list(TRANSFORM imports REPLACE "DLL Name: " "")
        message("${binary} imports: ${imports}")
        if(NOT imports)
            message(FATAL_ERROR "no import table found in ${binary}")
        endif()
        foreach(dll ${imports})
            string(TOLOWER "${dll}" dll)
            if(NOT dll MATCHES "^(kernel32|msvcrt|ucrtbase|user32|advapi32|api-ms-win-[a-z0-9-]+)\\.dll$")
                message(FATAL_ERROR "${binary} imports ${dll}, which is not a Windows system DLL")
            endif()
        endforeach()
    endforeach()

    # What players unpack: the plug-in, README.txt and every shipped data file.
    execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "cannot list ${zip}")
    endif()
    file(GLOB_RECURSE shipped RELATIVE ${SOURCE_DIR}/dist ${SOURCE_DIR}/dist/Brackenfold/*)
    list(FILTER shipped EXCLUDE REGEX "/\\.keep$")
    string(REPLACE "\n" ";" listing "${listing}")
    foreach(entry Brackenfold.asi brackenfold-check.exe README.txt Brackenfold/AnimalsPopulation/
                  ${shipped})
        if(NOT entry IN_LIST listing)
            message(FATAL_ERROR "${zip} lacks ${entry}")
        endif()
    endforeach()
    list(LENGTH listing entries)
    message("Brackenfold-${VERSION}.zip: ${entries} entries, all shipped files present")
elseif(STEP STREQUAL "wine")
    # Debian's wine64 keeps its loader off the PATH.
    find_program(WINE NAMES wine64 wine PATHS /usr/lib/wine /usr/lib64/wine)
    if(NOT WINE)
        skip_or_fail("wine64 not found; install wine64")
        return()
    endif()
    set(game ${WORK_DIR}/game)
    file(REMOVE_RECURSE ${game})
    file(MAKE_DIRECTORY ${game})
    run(${CMAKE_COMMAND} -E chdir ${game} ${CMAKE_COMMAND} -E tar xf ${zip})

    # A throw-away prefix; creating it on the first run takes a while.
    set(ENV{WINEPREFIX} ${WORK_DIR}/wineprefix)
    set(ENV{WINEDEBUG} -all)
    # No prompts for the .NET and HTML runtimes while the prefix is made.
    set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
    # Wine maps Z: to the root of the Unix file system.
    execute_process(
        COMMAND ${WINE} ${build}/brackenfold-win-host.exe Z:${game}
                Z:${build}/standin_hook/ScriptHookRDR2.dll
                Z:${build}/standin_hook_partial/ScriptHookRDR2.dll
        RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        set(log "(none)")
        if(EXISTS ${game}/Brackenfold/Log.log)
            file(READ ${game}/Brackenfold/Log.log log)
        endif()
        message(FATAL_ERROR "the smoke test failed (${rc}); the plug-in's log:\n${log}")
    endif()

    # The checker from the zip finds the unpacked folder clean.
    execute_process(COMMAND ${WINE} ${game}/brackenfold-check.exe Z:${game}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "no problems found")
        message(FATAL_ERROR "brackenfold-check.exe on the unpacked zip (${rc}):\n${out}${err}")
    endif()
    message("ok: brackenfold-check.exe: ${out}")

    # The session the Windows plug-in recorded under Wine replays on Linux: no divergence, the
    # same log line for line.
    if(SIM)
        file(GLOB recordings ${game}/Brackenfold/Recordings/*.bfrec)
        list(LENGTH recordings count)
        if(NOT count EQUAL 1)
            message(FATAL_ERROR "expected one recording in ${game}/Brackenfold/Recordings, found ${count}")
        endif()
        set(replay ${WORK_DIR}/replay)
        file(REMOVE_RECURSE ${replay})
        execute_process(COMMAND ${SIM} --replay ${recordings} --game-dir ${replay}
                        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
        if(NOT rc EQUAL 0 OR NOT out MATCHES "outcome: no divergence")
            message(FATAL_ERROR "the Linux replay of the Windows recording failed (${rc}):\n${out}")
        endif()
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol
                                ${game}/Brackenfold/Log.log ${replay}/Brackenfold/Log.log
                        RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "the replay's log differs from the Windows plug-in's log:\n${out}")
        endif()
        message("ok: the Windows recording replays on Linux with no divergence and the same log\n${out}")
        # The stand-in is the simulated game built for Windows: it answers as the Linux one.
        execute_process(COMMAND ${SIM} --compare ${recordings}
                        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "--compare of the Windows recording (${rc}):\n${out}")
        endif()
        message("ok: --compare: ${out}")
    endif()
else()
    message(FATAL_ERROR "STEP must be build or wine")
endif()
