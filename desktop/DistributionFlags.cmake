# Release builds take the distribution's hardening flags from dpkg-buildflags where it is
# installed (Debian and its derivatives): the stack protector, the fortified C library
# functions, format checks, and relocations made read-only at start. The project keeps its own
# optimisation level and warnings, and adds no debug information to the stripped package.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
endif()

# The flags of one kind (CPPFLAGS, CXXFLAGS, LDFLAGS) as a list, without -O and -g.
function(trelkan_distribution_flags kind result)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${DPKG_BUILDFLAGS} --get ${kind}
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O|g)")
  set(${result} ${flags} PARENT_SCOPE)
endfunction()

if(DPKG_BUILDFLAGS)
  trelkan_distribution_flags(CPPFLAGS preprocessor)
  trelkan_distribution_flags(CXXFLAGS compiler)
  trelkan_distribution_flags(LDFLAGS linker)
  add_compile_options(${preprocessor} ${compiler})
  add_link_options(${linker})
  message(STATUS "Hardening flags from dpkg-buildflags: ${preprocessor} ${compiler} ${linker}")
endif()
