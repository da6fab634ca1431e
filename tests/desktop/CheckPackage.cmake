# Checks the Debian package that `cpack -G DEB` made in a build folder (test.sh makes one):
#   cmake -DBUILD=<build dir> -DBUILD_TYPE=<its CMAKE_BUILD_TYPE> -DVERSION=<version> -P CheckPackage.cmake
# Its Depends name the system's libraries, its files lie under /usr and bundle no library, it
# carries no maintainer scripts (Debian's triggers update the desktop's databases), and lintian
# finds nothing in it. Without a package it says so and the test counts as skipped.
cmake_minimum_required(VERSION 3.20)

set(package ${BUILD}/trelkan_${VERSION}_amd64.deb)
if(NOT EXISTS ${package})
  message("no package built: run `cpack -G DEB` in ${BUILD} first")
  return()
endif()

function(dpkg_deb option)
  execute_process(COMMAND dpkg-deb ${option} ${package} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb ${option}: ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

dpkg_deb(-I)
foreach(field "Package: trelkan" "Version: ${VERSION}" "Architecture: amd64"
              "Depends: .*libwxgtk3\\.2-1" "Depends: .*libosmesa6" "Depends: .*libdevil1c2"
              "Depends: .*libglu1-mesa" "Depends: .*libc6 ")
  if(NOT out MATCHES "\n ${field}")
    message(FATAL_ERROR "the package's control lacks \"${field}\":\n${out}")
  endif()
endforeach()
if(out MATCHES "(pre|post)(inst|rm)")
  message(FATAL_ERROR "the package has maintainer scripts:\n${out}")
endif()

dpkg_deb(-c)
foreach(file usr/bin/trelkan usr/libexec/trelkan/trelkan usr/libexec/trelkan/trelkan-render
             usr/share/trelkan/app/res/Item_insert.cur usr/share/trelkan/data/Levels/sample.xml
             usr/share/trelkan/data/Textures/Special/notex.tga
             usr/share/locale/it/LC_MESSAGES/trelkan.mo usr/share/applications/trelkan.desktop
             usr/share/icons/hicolor/48x48/apps/trelkan.png usr/share/mime/packages/trelkan-level.xml
             usr/share/thumbnailers/trelkan.thumbnailer usr/share/metainfo/org.example.Trelkan.metainfo.xml)
  if(NOT out MATCHES " \\./${file}\n")
    message(FATAL_ERROR "not in the package: /${file}")
  endif()
endforeach()
string(REGEX MATCHALL " \\./[^\n]*" paths "${out}")
foreach(path ${paths})
  if(NOT path MATCHES "^ \\./(usr/.*)?$" OR path MATCHES "\\.so(\\.|$)")
    message(FATAL_ERROR "the package should not hold ${path}")
  endif()
endforeach()

# lintian: no error and no warning; of its notes, those that a distribution's review asks about.
# The hardening notes count for release builds only, as only they are built with the
# distribution's flags (fortified functions need an optimised build).
set(notes)
if(BUILD_TYPE STREQUAL "Release")
  list(APPEND notes hardening-no-bindnow hardening-no-fortify-functions hardening-no-relro)
endif()
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is not installed (tools/install-deps.sh installs it)")
endif()
execute_process(COMMAND ${LINTIAN} --display-info --fail-on none --tag-display-limit 0 ${package}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian could not check ${package}:\n${err}")
endif()
string(REGEX MATCHALL "(^|\n)[EWI]: [^\n]*" findings "${out}")
set(faults)
foreach(finding ${findings})
  string(STRIP "${finding}" finding)
  string(REGEX REPLACE "^[EWI]: [^:]+: ([^ ]+).*" "\\1" tag "${finding}")
  if(finding MATCHES "^[EW]: " OR tag IN_LIST notes)
    string(APPEND faults "\n  ${finding}")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "lintian finds in ${package}:${faults}")
endif()
