# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A scenario line the runner cannot carry out gives "line N: reason" and exit status 2.
execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "start\nfly away\n"
  COMMAND ${NODE} ${SIM} OUTPUT_VARIABLE out ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 2 OR NOT errors MATCHES "^line 2: unknown command 'fly'")
  message(FATAL_ERROR "status ${status}, errors '${errors}'")
endif()
