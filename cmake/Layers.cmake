# The subsystems of src/, one folder each, in layers from the bottom up. A folder builds into its own
# libraries and may include and link only the folders of the layers below its own: never a folder above,
# nor a neighbour in its own layer, so no two subsystems ever stand on each other. The build enforces it
# (each folder compiles against a view of src/ that holds only itself and the folders below it), and the
# test "layers" (cmake/CheckLayers.cmake) names any include that runs against it, headers included.
# docs/design.md ("Layers") says what each folder owns.
set(QX_LAYERS
    "data"                              # databases, settings, money, input rules, program folder
    "widgets printing"                  # widget helpers and the prompter; the print module
    "costs contacts takeoff office"     # the price book, contacts, the roof, the office engine
    "officeserver pdfreader"            # modules loaded at run time: libpq and Poppler
    "lines"                             # line items, sections, totals
    "docs"                              # RTF, templates, reports, the Output tab
    "pricelist order"                   # supplier price lists; the material order
    "estimate"                          # register, new, open, save, duplicate
    "revisions"                         # what was sent, and comparing it
    "backup"                            # backups, restore, one-job archives
    "status"                            # the status board
    "sales setup"                       # the sales picture; the setup screen
    "app"                               # start-up and the main window
)

# QX_LAYER_OF_<folder>: the layer's number (0 is the bottom); QX_FOLDERS: every folder, bottom up.
set(QX_FOLDERS)
set(_qx_layer 0)
foreach(_qx_line IN LISTS QX_LAYERS)
    string(REPLACE " " ";" _qx_names "${_qx_line}")
    foreach(_qx_name IN LISTS _qx_names)
        if(NOT _qx_name STREQUAL "")
            set(QX_LAYER_OF_${_qx_name} ${_qx_layer})
            list(APPEND QX_FOLDERS ${_qx_name})
        endif()
    endforeach()
    math(EXPR _qx_layer "${_qx_layer} + 1")
endforeach()

# QX_BELOW_<folder>: the folders of the layers below it.
foreach(_qx_name IN LISTS QX_FOLDERS)
    set(QX_BELOW_${_qx_name})
    foreach(_qx_other IN LISTS QX_FOLDERS)
        if(QX_LAYER_OF_${_qx_other} LESS QX_LAYER_OF_${_qx_name})
            list(APPEND QX_BELOW_${_qx_name} ${_qx_other})
        endif()
    endforeach()
endforeach()
