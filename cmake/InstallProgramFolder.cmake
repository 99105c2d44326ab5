# Run by "cmake --install" after the program's files are copied: completes the program folder and puts
# its launcher on the desktop's menu. QX_LAYOUT (the layout tool) and QX_DESKTOP_TEMPLATE are set
# before this script runs.
#
# The folder's data/, estimates/ and Templates/ belong to the user: the layout tool only adds what is
# missing (a fresh cost database and register on the first install), so installing again over an
# existing folder keeps every price, estimate and edited template.
set(folder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
execute_process(COMMAND "${QX_LAYOUT}" "${folder}" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Could not lay out the program folder ${folder}: ${err}")
endif()

# The launcher names the folder the program runs from. In Exec it stands quoted, so that a blank does not
# split it, with the characters a quoted argument reserves (" ` $ \) escaped; a backslash of that is
# escaped once more, as every backslash of a launcher's value is.
set(QX_PROGRAM_FOLDER "${CMAKE_INSTALL_PREFIX}")
string(REPLACE "\\" "\\\\\\\\" QX_EXEC_FOLDER "${QX_PROGRAM_FOLDER}")
foreach(reserved "\"" "`" "$")
    string(REPLACE "${reserved}" "\\\\${reserved}" QX_EXEC_FOLDER "${QX_EXEC_FOLDER}")
endforeach()
configure_file("${QX_DESKTOP_TEMPLATE}" "${folder}/quorvex.desktop" @ONLY)
message(STATUS "Installing: ${folder}/quorvex.desktop")

# The desktop's menu reads launchers from $XDG_DATA_HOME/applications (~/.local/share by default).
# QUORVEX_NO_LAUNCHER=1 in the environment leaves the menu alone (for a folder made for another user).
if(NOT "$ENV{QUORVEX_NO_LAUNCHER}" STREQUAL "1" AND "$ENV{DESTDIR}" STREQUAL "")
    set(data_home "$ENV{XDG_DATA_HOME}")
    if(data_home STREQUAL "")
        set(data_home "$ENV{HOME}/.local/share")
    endif()
    file(MAKE_DIRECTORY "${data_home}/applications")
    configure_file("${QX_DESKTOP_TEMPLATE}" "${data_home}/applications/quorvex.desktop" @ONLY)
    message(STATUS "Installing: ${data_home}/applications/quorvex.desktop")
endif()
