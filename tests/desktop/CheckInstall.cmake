# Installs the build into a fresh prefix and checks the installed editor:
#   cmake -DBUILD=<build dir> -DPREFIX=<empty folder to install to> -DLEVELS=<folder of levels>
#         -P CheckInstall.cmake
# The launcher must run the program in its app/ folder, where every fixed data path resolves,
# and pass it file names given relative to the caller's folder.
cmake_minimum_required(VERSION 3.20)

function(run)
  cmake_parse_arguments(RUN "" "IN;STATUS" "COMMAND" ${ARGN})
  execute_process(COMMAND ${RUN_COMMAND} WORKING_DIRECTORY ${RUN_IN} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT "${status}" STREQUAL "${RUN_STATUS}")
    message(FATAL_ERROR
            "${RUN_COMMAND}: exit status ${status}, expected ${RUN_STATUS}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} IN ${BUILD} STATUS 0)

set(app ${PREFIX}/share/trelkan/app)
foreach(file bin/trelkan share/applications/trelkan.desktop
             share/icons/hicolor/16x16/apps/trelkan.png
             share/icons/hicolor/48x48/apps/trelkan.png
             share/icons/hicolor/256x256/apps/trelkan.png
             share/locale/it/LC_MESSAGES/trelkan.mo)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The paths the program opens, relative to its app/ folder.
foreach(file res/Item_insert.cur ../data/Textures/Special/notex.tga
             ../data/Spheremaps/envmapblue.jpg ../data/CubeMaps/Special/default_posx.png)
  if(NOT EXISTS ${app}/${file})
    message(FATAL_ERROR "not found from the app folder: ${file}")
  endif()
endforeach()

# Through the launcher, from another folder, with a relative file name.
run(COMMAND ${PREFIX}/bin/trelkan --version IN ${LEVELS} STATUS 0)
run(COMMAND ${PREFIX}/bin/trelkan --check valid/new_level.xml IN ${LEVELS} STATUS 0)
if(NOT out MATCHES "valid/new_level.xml")
  message(FATAL_ERROR "the check does not name the level it was given:\n${out}")
endif()
run(COMMAND ${PREFIX}/bin/trelkan --check broken/truncated.xml IN ${LEVELS} STATUS 1)

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  run(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/trelkan.desktop
      IN ${PREFIX} STATUS 0)
  if(out)
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
else()
  message(STATUS "desktop-file-validate not found: the desktop entry is not validated")
endif()
