# Gathers the marked texts of the interface (_(), wxTRANSLATE, wxPLURAL) from the sources below
# SOURCE_DIR into the template OUTPUT. Run with `cmake -DSOURCE_DIR=... -DOUTPUT=... -DXGETTEXT=...
# -DVERSION=... -P ExtractTexts.cmake`, or included by a script that has set those. The folders are
# those of the toolkit's side, and the checker's messages, which the core marks with N_ and the
# panel and `--check` translate; the other texts of the core (the reader's, the image checks')
# stay English.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
     ${SOURCE_DIR}/forms/*.cpp ${SOURCE_DIR}/forms/*.h
     ${SOURCE_DIR}/panels/*.cpp ${SOURCE_DIR}/panels/*.h
     ${SOURCE_DIR}/recovery/*.cpp ${SOURCE_DIR}/recovery/*.h
     ${SOURCE_DIR}/framework/*.cpp ${SOURCE_DIR}/framework/*.h
     ${SOURCE_DIR}/document/*.cpp ${SOURCE_DIR}/document/*.h
     ${SOURCE_DIR}/views/*.cpp ${SOURCE_DIR}/views/*.h
     ${SOURCE_DIR}/checks/*.cpp)
list(SORT sources)
execute_process(COMMAND ${XGETTEXT} --from-code=UTF-8 --language=C++ --keyword=_ --keyword=wxTRANSLATE --keyword=N_
                        --keyword=wxPLURAL:1,2 --add-location=file --package-name=Trelkan
                        --package-version=${VERSION} --output=${OUTPUT} ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "xgettext could not gather the texts (status ${status})")
endif()
