# Writes the manual with the odds topic of vexlorslots-math put in place of its
# marker comment. Called with -DMATH=<program> -DIN=<manual> -DOUT=<built manual>.
set(MARKER "<!-- odds-and-return -->")
execute_process(COMMAND ${MATH} --html OUTPUT_VARIABLE TOPIC RESULT_VARIABLE RESULT
                ERROR_VARIABLE ERRORS)
if(NOT RESULT EQUAL 0 OR TOPIC STREQUAL "")
  message(FATAL_ERROR "vexlorslots-math --html failed (${RESULT}): ${ERRORS}")
endif()
file(READ ${IN} MANUAL)
string(FIND "${MANUAL}" "${MARKER}" AT)
if(AT EQUAL -1)
  message(FATAL_ERROR "${IN} has no ${MARKER} for the odds topic")
endif()
string(REPLACE "${MARKER}" "${TOPIC}" MANUAL "${MANUAL}")
file(WRITE ${OUT} "${MANUAL}")
