# Installs the program as a user does, twice, into a program folder whose name holds a blank and a "$"
# (which a launcher's command line reserves), with its
# own home folder: the first install lays out a complete, working program folder and the menu's
# launcher; the second, over it, replaces the program but keeps the user's prices, register, estimates
# and edited templates. The installed folder then runs the program (through the automation driver):
# F1 opens its own manual at the Quick Start.
set(work "${CMAKE_CURRENT_BINARY_DIR}/install_check")
file(REMOVE_RECURSE "${work}")
set(prefix "${work}/Roofing $Office/Quorvex")
set(ENV{HOME} "${work}/home")
set(ENV{XDG_CONFIG_HOME} "${work}/config")
unset(ENV{XDG_DATA_HOME})
unset(ENV{QUORVEX_NO_LAUNCHER})
unset(ENV{DESTDIR})

function(install_program)
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
    endif()
endfunction()

function(expect_contains file text)
    file(READ "${file}" content)
    string(FIND "${content}" "${text}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${file} does not hold \"${text}\":\n${content}")
    endif()
endfunction()

install_program()
foreach(part quorvex quorvex.png quorvex.svg quorvex.desktop help/index.html data/cost.mdb data/MastEst.mdb
             Templates/proposal.rtf Templates/contract.rtf estimates)
    if(NOT EXISTS "${prefix}/${part}")
        message(FATAL_ERROR "The installed program folder lacks ${part}")
    endif()
endforeach()
file(GLOB pictures "${prefix}/help/images/*.png")
if(NOT pictures)
    message(FATAL_ERROR "The installed manual has no pictures")
endif()
set(launcher "${work}/home/.local/share/applications/quorvex.desktop")
string(REPLACE "$" "\\\\$" exec_prefix "${prefix}")
expect_contains("${launcher}" "Exec=\"${exec_prefix}/quorvex\"")
expect_contains("${launcher}" "Icon=${prefix}/quorvex.png")
expect_contains("${launcher}" "Categories=Office;Finance;")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${launcher}" "${prefix}/quorvex.desktop"
                RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "The menu's launcher differs from the program folder's")
endif()

# The user's work: the databases as they are now (a new one would differ, even empty), an estimate and
# an edited proposal template.
file(SHA256 "${prefix}/data/cost.mdb" cost_before)
file(SHA256 "${prefix}/data/MastEst.mdb" register_before)
file(WRITE "${prefix}/estimates/HayesReroof/HayesReroof.mdb" "Robert Hayes's estimate")
file(WRITE "${prefix}/Templates/proposal.rtf" "{\\rtf1 Our own proposal}")
file(WRITE "${prefix}/help/index.html" "an old manual")

install_program()
file(SHA256 "${prefix}/data/cost.mdb" cost_after)
file(SHA256 "${prefix}/data/MastEst.mdb" register_after)
if(NOT cost_before STREQUAL cost_after OR NOT register_before STREQUAL register_after)
    message(FATAL_ERROR "Installing again replaced the cost database or the register")
endif()
expect_contains("${prefix}/estimates/HayesReroof/HayesReroof.mdb" "Robert Hayes's estimate")
expect_contains("${prefix}/Templates/proposal.rtf" "Our own proposal")
# The program's own files are this version's.
expect_contains("${prefix}/help/index.html" "id=\"quick-start\"")

# The installed folder is a working program folder.
file(WRITE "${work}/run.qxs" "click cmdOkay\nsql cost select count(*) from costitem\nkey F1\n")
execute_process(COMMAND "${UIDRIVE}" --program-folder "${prefix}" "${work}/run.qxs"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "The installed program folder does not run (${rc}):\n${out}\n${err}")
endif()
string(REPLACE " " "%20" url_folder "${prefix}")
set(expected "74\nopen: file://${url_folder}/help/index.html#quick-start\n")
if(NOT out STREQUAL expected)
    message(FATAL_ERROR "The installed program answered\n${out}\ninstead of\n${expected}")
endif()
file(REMOVE_RECURSE "${work}")
