# Runs the spawn-place generator into WORK_DIR: AnimalSpawns.dat, and the towns' camp spots it
# prints (camp_spots.txt), which the unit tests compare with what ships.
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/tools/gen_animal_spawns.py ${WORK_DIR}/AnimalSpawns.dat
                OUTPUT_FILE ${WORK_DIR}/camp_spots.txt
                ERROR_QUIET
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gen_animal_spawns.py failed: ${result}")
endif()
