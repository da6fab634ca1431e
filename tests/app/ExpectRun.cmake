cmake_minimum_required(VERSION 3.20)
# Runs PROGRAM with ARGUMENTS (separated by "|") and checks its exit status and what it prints:
#   cmake -DPROGRAM=... -DARGUMENTS=a|b -DSTATUS=n [-DSTDOUT=regex] [-DSTDERR=regex] -P ExpectRun.cmake
# The variables DISPLAY and WAYLAND_DISPLAY are emptied first: the command must not need a display.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
execute_process(COMMAND ${PROGRAM} ${arguments} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT "${status}" STREQUAL "${STATUS}")
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED STDOUT AND NOT out MATCHES "${STDOUT}")
  message(FATAL_ERROR "standard output does not match \"${STDOUT}\":\n${out}")
endif()
if(DEFINED STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "standard error does not match \"${STDERR}\":\n${err}")
endif()
