# Installs the build into a fresh prefix and checks the installed editor:
#   cmake -DBUILD=<build dir> -DPREFIX=<empty folder to install to> -DLEVELS=<folder of levels>
#         -P CheckInstall.cmake
# The launcher must run the program in its app/ folder, where every fixed data path resolves,
# and pass it file names given relative to the caller's folder.
# The installed desktop files: the level MIME type, the thumbnailer and the metainfo.
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
foreach(file bin/trelkan share/applications/trelkan.desktop libexec/trelkan/trelkan-render
             share/mime/packages/trelkan-level.xml share/thumbnailers/trelkan.thumbnailer
             share/icons/hicolor/16x16/apps/trelkan.png
             share/icons/hicolor/48x48/apps/trelkan.png
             share/icons/hicolor/256x256/apps/trelkan.png
             share/locale/it/LC_MESSAGES/trelkan.mo share/man/man1/trelkan.1.gz
             share/doc/trelkan/copyright share/doc/trelkan/changelog.gz)
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

# Level files the desktop knows: with the prefix's MIME and desktop-entry databases made, a level
# is application/x-trelkan-level by its first bytes (with or without .xml), plain XML stays XML,
# and Trelkan opens levels.
set(ENV{XDG_DATA_DIRS} "${PREFIX}/share:/usr/local/share:/usr/share")
set(ENV{XDG_DATA_HOME} "${PREFIX}/home-data")
set(ENV{XDG_CONFIG_HOME} "${PREFIX}/home-config")
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(files ${PREFIX}/files)
file(MAKE_DIRECTORY ${files})
file(COPY_FILE ${LEVELS}/valid/new_level.xml ${files}/level.xml)
file(COPY_FILE ${LEVELS}/valid/new_level.xml ${files}/level-without-extension)
file(WRITE ${files}/plain.xml "<?xml version=\"1.0\"?>\n<note>not a level</note>\n")
run(COMMAND update-mime-database ${PREFIX}/share/mime IN ${PREFIX} STATUS 0)
run(COMMAND update-desktop-database ${PREFIX}/share/applications IN ${PREFIX} STATUS 0)
foreach(case "level.xml;application/x-trelkan-level" "level-without-extension;application/x-trelkan-level"
             "plain.xml;application/xml")
  list(GET case 0 file)
  list(GET case 1 type)
  run(COMMAND xdg-mime query filetype ${files}/${file} IN ${files} STATUS 0)
  if(NOT out STREQUAL "${type}\n")
    message(FATAL_ERROR "xdg-mime says ${file} is ${out}, expected ${type}")
  endif()
endforeach()
run(COMMAND xdg-mime query default application/x-trelkan-level IN ${files} STATUS 0)
if(NOT out STREQUAL "trelkan.desktop\n")
  message(FATAL_ERROR "levels open with ${out}, expected trelkan.desktop")
endif()

# The thumbnailer's command as a file manager runs it (%i input, %o output, %s size), without a
# display: a 128-pixel PNG.
file(STRINGS ${PREFIX}/share/thumbnailers/trelkan.thumbnailer exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=" "" exec "${exec}")
string(REPLACE "%i" "${files}/level.xml" exec "${exec}")
string(REPLACE "%o" "${files}/thumbnail.png" exec "${exec}")
string(REPLACE "%s" "128" exec "${exec}")
separate_arguments(exec UNIX_COMMAND "${exec}")
list(TRANSFORM exec PREPEND ${PREFIX}/bin/ AT 0)
run(COMMAND ${exec} IN ${files} STATUS 0)
file(READ ${files}/thumbnail.png header LIMIT 24 HEX)
if(NOT header MATCHES "^89504e470d0a1a0a0000000d4948445200000080........$")
  message(FATAL_ERROR "the thumbnail is no 128 x 128 PNG: ${header}")
endif()

run(COMMAND appstreamcli validate --no-net ${PREFIX}/share/metainfo/org.example.Trelkan.metainfo.xml
    IN ${PREFIX} STATUS 0)
