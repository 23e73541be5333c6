# Fails when a text of the sources has no finished English translation: the catalogue is
# brought up to date with the sources in a copy (as "update_translations" would do it) and
# the copy must hold no unfinished, empty or vanished message.
#   cmake -DLUPDATE=... -DCATALOGUE=quel5_en.ts -DSOURCES=list-file -DOPTIONS=... -DWORK=dir
#         -P CheckCatalogue.cmake
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${CATALOGUE} NAME)
set(copy ${WORK}/${name})
configure_file(${CATALOGUE} ${copy} COPYONLY)
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND ${LUPDATE} ${options} @${SOURCES} -ts ${copy}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${err}")
endif()
file(READ ${copy} text)
# A semicolon would split a message in two list items.
string(REPLACE ";" "," text "${text}")
string(REGEX MATCHALL "<message>[^<]*<source>[^<]*</source>[^<]*<translation( type=\"[a-z]+\")?( */>|>[^<]*</translation>)"
       messages "${text}")
list(LENGTH messages total)
set(bad "")
foreach(m IN LISTS messages)
    if(m MATCHES "type=\"(unfinished|vanished|obsolete)\"" OR m MATCHES "<translation */>"
       OR m MATCHES "<translation></translation>")
        string(REGEX REPLACE ".*<source>([^<]*)</source>.*" "\\1" source "${m}")
        list(APPEND bad "${source}")
    endif()
endforeach()
list(LENGTH bad missing)
message(STATUS "${total} messages in ${name}, ${missing} without a finished translation")
if(missing GREATER 0)
    list(JOIN bad "\n  " lines)
    message(FATAL_ERROR "Texts without a finished English translation (run the target "
                        "update_translations and translate them in ${CATALOGUE}):\n  ${lines}")
endif()
