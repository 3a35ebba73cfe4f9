# The include arrows run down only: core/ includes nothing above it, features never include the
# spine or each other's folders in a cycle-prone way, and src/ and sim/ never include each other.
# Run as: cmake -DSOURCE_DIR=<repo> -P tests/layers.cmake
# What each folder of src/ may include besides itself and core/.
set(allowed_spine "spine;animals;competitions;trading;ui;world;data")
set(allowed_animals "ui;world;data")
set(allowed_competitions "animals;ui;world;data")
set(allowed_trading "ui;world;data")
set(allowed_ui "world;data")
set(allowed_world "")
set(allowed_data "")
set(allowed_core "")
set(allowed_platform "spine")

set(problems "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp
     ${SOURCE_DIR}/sim/*.h ${SOURCE_DIR}/sim/*.cpp)
foreach(source ${sources})
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[^\"]+\"")
    string(REGEX MATCH "^(src|sim)/" _ ${source})
    set(tree ${CMAKE_MATCH_1})
    string(REGEX MATCH "^src/([^/]+)/" _ ${source})
    set(folder ${CMAKE_MATCH_1})
    foreach(line ${includes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target ${line})
        string(REGEX MATCH "^([^/]+)/" _ ${target})
        set(top ${CMAKE_MATCH_1})
        if(tree STREQUAL "sim")
            if(NOT top STREQUAL "sim" AND NOT top STREQUAL "")
                list(APPEND problems "${source}: the simulated game includes the plug-in's ${target}")
            endif()
        elseif(top STREQUAL "sim")
            list(APPEND problems "${source}: the plug-in includes the simulated game's ${target}")
        elseif(top AND NOT top STREQUAL folder AND NOT top STREQUAL "core")
            list(FIND allowed_${folder} ${top} found)
            if(found EQUAL -1)
                list(APPEND problems "${source}: ${folder}/ includes ${target}, which is not below it")
            endif()
        endif()
    endforeach()
endforeach()

# brackenfold-check judges a folder with the plug-in's own readers and ships without the simulated
# game: it may include src/ but never sim/.
file(GLOB_RECURSE checker_sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/tools/check/*.h
     ${SOURCE_DIR}/tools/check/*.cpp ${SOURCE_DIR}/tools/brackenfold_check.cpp)
foreach(source ${checker_sources})
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"sim/")
    foreach(line ${includes})
        list(APPEND problems "${source}: the checker includes the simulated game (${line})")
    endforeach()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Include arrows that run the wrong way:\n  ${text}")
endif()
message(STATUS "include arrows run down")
