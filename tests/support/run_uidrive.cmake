# Runs one uidrive script in a fresh program folder and settings folder, and compares its output with
# the .expected file beside the script when there is one. A script whose first line is "# needs: kontavi"
# runs with the Kontavi stand-in (qxkontavi) laid out first in the same settings folder.
get_filename_component(dir "${SCRIPT}" DIRECTORY)
get_filename_component(name "${SCRIPT}" NAME_WE)
string(RANDOM LENGTH 8 tag)
set(work "${CMAKE_CURRENT_BINARY_DIR}/uidrive_${name}_${tag}")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}/program" "${work}/config" "${work}/home")
# A home of its own: nothing the run does lands in the home of whoever runs the tests.
set(ENV{HOME} "${work}/home")
set(ENV{XDG_CONFIG_HOME} "${work}/config")
set(ENV{XDG_DATA_HOME} "${work}/home/.local/share")
set(ENV{XDG_CACHE_HOME} "${work}/home/.cache")
set(ENV{XDG_STATE_HOME} "${work}/home/.local/state")
# No desktop services: a password the script saves stays out of the user's keyring.
unset(ENV{DBUS_SESSION_BUS_ADDRESS})
# The user's documents folder (where backups go by default) is the run's own too.
file(WRITE "${work}/config/user-dirs.dirs" "XDG_DOCUMENTS_DIR=\"${work}/documents\"\n")
file(STRINGS "${SCRIPT}" first_line LIMIT_COUNT 1)
if(first_line STREQUAL "# needs: kontavi")
    execute_process(COMMAND "${KONTAVI}" "${work}/kontavi" OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "qxkontavi failed (${rc}):\n${err}")
    endif()
endif()
# A line "# plan picture: NAME" lays the hip roof plan drawn by qxplanfixture beside the program folder
# as NAME (the script opens it as ../NAME).
file(STRINGS "${SCRIPT}" plan_lines REGEX "^# plan picture: ")
foreach(plan_line IN LISTS plan_lines)
    string(REGEX REPLACE "^# plan picture: " "" picture "${plan_line}")
    execute_process(COMMAND "${PLANFIXTURE}" "${work}/${picture}" ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "qxplanfixture failed (${rc}):\n${err}")
    endif()
endforeach()
# A line "# fixture: NAME" lays the file NAME from beside the script beside the program folder (the script
# opens it as ../NAME).
file(STRINGS "${SCRIPT}" fixture_lines REGEX "^# fixture: ")
foreach(fixture_line IN LISTS fixture_lines)
    string(REGEX REPLACE "^# fixture: " "" fixture "${fixture_line}")
    file(COPY "${dir}/${fixture}" DESTINATION "${work}")
endforeach()
# A line "# locale: NAME" runs the script in that locale instead of en_US (Qt reads its number and date
# forms from the name alone, so no system locale needs to be installed).
file(STRINGS "${SCRIPT}" locale_line REGEX "^# locale: " LIMIT_COUNT 1)
if(locale_line)
    string(REGEX REPLACE "^# locale: " "" locale "${locale_line}")
    set(ENV{LC_ALL} "${locale}")
endif()
execute_process(COMMAND "${UIDRIVE}" --program-folder "${work}/program" "${SCRIPT}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
# A line "# pdftotext: PATH" adds the text of the PDF file PATH (in the program folder) that the script
# wrote, on one line ("pdftotext PATH: words ..."): the words as printed, without the page's line breaks,
# ligatures as plain letters (qxpdftext), so that the text is the same whatever fonts the machine has.
file(STRINGS "${SCRIPT}" pdf_lines REGEX "^# pdftotext: ")
foreach(pdf_line IN LISTS pdf_lines)
    string(REGEX REPLACE "^# pdftotext: " "" pdf "${pdf_line}")
    execute_process(COMMAND "${PDFTEXT}" "${work}/program/${pdf}"
                    OUTPUT_VARIABLE pdf_text ERROR_VARIABLE pdf_err RESULT_VARIABLE pdf_rc)
    if(NOT pdf_rc EQUAL 0)
        string(APPEND out "pdftotext ${pdf}: failed (${pdf_rc}) ${pdf_err}\n")
        set(rc 1)
        continue()
    endif()
    string(ASCII 12 form_feed)
    string(REGEX REPLACE "[ \t\r\n${form_feed}]+" " " pdf_text "${pdf_text}")
    string(STRIP "${pdf_text}" pdf_text)
    string(APPEND out "pdftotext ${pdf}: ${pdf_text}\n")
endforeach()
# A line "# pdfinfo: PATH" adds the title, author and paper size of that PDF file, as pdfinfo reads them
# ("pdfinfo PATH: Title: ... | Author: ... | Page size: 612 x 792 pts (letter)").
file(STRINGS "${SCRIPT}" info_lines REGEX "^# pdfinfo: ")
foreach(info_line IN LISTS info_lines)
    string(REGEX REPLACE "^# pdfinfo: " "" pdf "${info_line}")
    execute_process(COMMAND pdfinfo -enc UTF-8 "${work}/program/${pdf}"
                    OUTPUT_VARIABLE info ERROR_VARIABLE info_err RESULT_VARIABLE info_rc)
    if(NOT info_rc EQUAL 0)
        string(APPEND out "pdfinfo ${pdf}: failed (${info_rc}) ${info_err}\n")
        set(rc 1)
        continue()
    endif()
    set(fields "")
    foreach(key IN ITEMS "Title" "Author" "Page size")
        string(REGEX MATCH "${key}: *[^\n]*" field "${info}")
        string(REGEX REPLACE ":  +" ": " field "${field}")
        list(APPEND fields "${field}")
    endforeach()
    list(JOIN fields " | " fields)
    string(APPEND out "pdfinfo ${pdf}: ${fields}\n")
endforeach()
# The program folder differs from run to run; expected files name it PROGRAM (and the stand-in KONTAVI).
string(REPLACE "${work}/program" "PROGRAM" out "${out}")
string(REPLACE "${work}/kontavi" "KONTAVI" out "${out}")
string(REPLACE "${work}/documents" "DOCUMENTS" out "${out}")
# A script with the line "# today: TODAY" names today's date (en_US short form, M/d/yyyy) TODAY and its
# stored form (YYYY-MM-DD) ISOTODAY, so that documents and folders dated on the day they are made compare
# the same every day.
file(STRINGS "${SCRIPT}" today_line REGEX "^# today: TODAY$")
if(today_line)
    string(TIMESTAMP year "%Y")
    string(TIMESTAMP month "%m")
    string(TIMESTAMP day "%d")
    string(REPLACE "${year}-${month}-${day}" "ISOTODAY" out "${out}")
    string(REGEX REPLACE "^0" "" month "${month}")
    string(REGEX REPLACE "^0" "" day "${day}")
    string(REPLACE "${month}/${day}/${year}" "TODAY" out "${out}")
endif()
message("${out}")
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "uidrive failed (${rc}):\n${err}")
endif()
if(EXISTS "${dir}/${name}.expected")
    file(READ "${dir}/${name}.expected" expected)
    if(NOT out STREQUAL expected)
        file(WRITE "${work}/actual.txt" "${out}")
        execute_process(COMMAND diff -u "${dir}/${name}.expected" "${work}/actual.txt" OUTPUT_VARIABLE diff)
        message(FATAL_ERROR "output differs from ${name}.expected:\n${diff}")
    endif()
endif()
file(REMOVE_RECURSE "${work}")
