# Fails when the catalog CATALOG lacks a translation of a text that the sources hold now: the
# texts are gathered afresh into WORK, merged with a copy of the catalog, and msgfmt's statistics
# must count neither untranslated nor fuzzy messages; the failure lists them.
file(MAKE_DIRECTORY ${WORK})
set(OUTPUT ${WORK}/trelkan.pot)
include(${SOURCE_DIR}/po/ExtractTexts.cmake)
set(merged ${WORK}/merged.po)
execute_process(COMMAND ${MSGMERGE} --quiet --no-fuzzy-matching --output-file=${merged} ${CATALOG} ${OUTPUT}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "msgmerge could not merge ${CATALOG} (status ${status})")
endif()
execute_process(COMMAND ${MSGFMT} --check --statistics --output-file=/dev/null ${merged}
                ERROR_VARIABLE statistics RESULT_VARIABLE status)
message(STATUS "${CATALOG}: ${statistics}")
if(NOT status EQUAL 0 OR statistics MATCHES "untranslated|fuzzy")
  foreach(kind --untranslated --only-fuzzy)
    execute_process(COMMAND ${MSGATTRIB} ${kind} --no-obsolete --no-wrap ${merged} OUTPUT_VARIABLE entries)
    # Without the catalog's header, which comes first.
    string(FIND "${entries}" "\n\n" end)
    if(end GREATER -1)
      string(SUBSTRING "${entries}" ${end} -1 entries)
      message("${kind}:${entries}")
    endif()
  endforeach()
  message(FATAL_ERROR "${CATALOG} is not complete: run the trelkan_update_po target and translate the entries above")
endif()
