# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays one scenario on the runner built for Node.js and compares its transcript with the
# expected one, byte for byte; on a difference, shows both.
set(args)
if(MODE STREQUAL "every-tick")
  set(args --every-tick)
endif()
execute_process(COMMAND ${NODE} ${SIM} ${args}
  INPUT_FILE ${SCENARIO} OUTPUT_VARIABLE got ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ ${EXPECTED} want)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "exit status ${status}: ${errors}")
endif()
if(NOT got STREQUAL want)
  get_filename_component(name ${SCENARIO} NAME_WE)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.${MODE}.got "${got}")
  message(FATAL_ERROR "transcript differs: see ${CMAKE_CURRENT_BINARY_DIR}/${name}.${MODE}.got")
endif()
