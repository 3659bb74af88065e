# Runs kx90ctl apply on the profile the program applied in the end-to-end run (WORK/normal) against a
# fresh virtual mouse and compares the two mouse states line for line.
set(data ${WORK}/normal/tmp/NORVI/KX90)
set(profile ${data}/Profile/Profile3.cfg)
set(applied ${WORK}/normal/applied-state.txt)
set(state ${WORK}/kx90ctl-state.txt)
foreach(needed ${KX90CTL} ${profile} ${applied})
    if(NOT EXISTS ${needed})
        message(FATAL_ERROR "${needed} is missing (the native build's kx90ctl, or the end-to-end run's files)")
    endif()
endforeach()
file(REMOVE ${state})
execute_process(COMMAND ${CMAKE_COMMAND} -E env KX90_VIRTUAL_MOUSE=${state} ${KX90CTL} apply ${profile}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "kx90ctl apply ended with ${rc}:\n${out}${err}")
endif()
file(READ ${applied} expected)
file(READ ${state} actual)
if(NOT expected STREQUAL actual)
    message(FATAL_ERROR "the mouse after kx90ctl apply differs from the mouse after the program's Apply\n"
                        "program:\n${expected}\nkx90ctl:\n${actual}")
endif()
message(STATUS "kx90ctl left the mouse as the program did:\n${actual}")
