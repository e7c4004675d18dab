# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed game links the game and the Qt backend, never the scenario driver or the
# headless backend: configures the product alone into a scratch tree with CMake's link graph
# and reads what `brivazon` depends on. Run by CTest: cmake -DSOURCE=... -DSCRATCH=... -P this.
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${SCRATCH} -DBUILD_TESTING=OFF -DBRIVAZON_BENCH=OFF
          --graphviz=${SCRATCH}/links.dot
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configuring the product alone failed")
endif()
file(READ ${SCRATCH}/links.dot.brivazon graph)
foreach(library brivazon_game brivazon_qt)
  if(NOT graph MATCHES "\"${library}\"")
    message(FATAL_ERROR "brivazon does not link ${library}")
  endif()
endforeach()
foreach(library brivazon_sim brivazon_headless)
  if(graph MATCHES "\"${library}\"")
    message(FATAL_ERROR "the installed brivazon links ${library}")
  endif()
endforeach()
