# The manual page describes every option the program itself lists, in its help and in the usage
# of --render, and groff reads it without a warning:
#   cmake -DPROGRAM=<trelkan> -DMANUAL=<trelkan.1> -P CheckManual.cmake
cmake_minimum_required(VERSION 3.20)

set(ENV{DISPLAY} "")
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help)
execute_process(COMMAND ${PROGRAM} --render ERROR_VARIABLE render)
string(REGEX MATCHALL "--[a-z]+" options "${help}${render}")
list(REMOVE_DUPLICATES options)
list(LENGTH options count)
if(count LESS 2)
  message(FATAL_ERROR "no options found in the program's help:\n${help}${render}")
endif()
file(READ ${MANUAL} manual)
set(missing)
foreach(option ${options})
  string(REPLACE "-" "\\\\-" written "${option}")
  # An entry of its own: a tagged paragraph whose tag names the option.
  if(NOT manual MATCHES "\n\\.TP\n\\.[BIR]+ [^\n]*${written}[ \"\n]")
    list(APPEND missing ${option})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "the manual page does not describe ${missing}")
endif()

set(ENV{MANROFFSEQ} "")
set(ENV{MANWIDTH} 80)
execute_process(COMMAND man --warnings -E UTF-8 -l -Tutf8 -Z ${MANUAL}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR warnings)
  message(FATAL_ERROR "man reads ${MANUAL} with complaints:\n${warnings}")
endif()
