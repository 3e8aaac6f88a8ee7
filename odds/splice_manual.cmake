# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the manual with the odds topic of vexlorslots-math put in place of its
# marker comment. Called with -DMATH=<program> -DIN=<manual> -DOUT=<built manual>,
# and -DTOPIC_OPTION=--html-de for the German manual (--html when not given).
set(MARKER "<!-- odds-and-return -->")
if(NOT TOPIC_OPTION)
  set(TOPIC_OPTION --html)
endif()
execute_process(COMMAND ${MATH} ${TOPIC_OPTION} OUTPUT_VARIABLE TOPIC RESULT_VARIABLE RESULT
                ERROR_VARIABLE ERRORS)
if(NOT RESULT EQUAL 0 OR TOPIC STREQUAL "")
  message(FATAL_ERROR "vexlorslots-math ${TOPIC_OPTION} failed (${RESULT}): ${ERRORS}")
endif()
file(READ ${IN} MANUAL)
string(FIND "${MANUAL}" "${MARKER}" AT)
if(AT EQUAL -1)
  message(FATAL_ERROR "${IN} has no ${MARKER} for the odds topic")
endif()
string(REPLACE "${MARKER}" "${TOPIC}" MANUAL "${MANUAL}")
file(WRITE ${OUT} "${MANUAL}")
