# The folders of the core are layers, lowest first. A folder includes only itself and the
# folders its line allows; an include that names no folder is not allowed either. The
# printout and the GUI stand on the whole core in layers of their own (see
# quel5_check_gui_layers below).
#
# Used by src/core/CMakeLists.txt and src/gui/CMakeLists.txt at configure time, and as tests:
#   cmake -DQUEL5_CORE_DIR=src/core -P cmake/CheckLayers.cmake
#   cmake -DQUEL5_SRC_DIR=src -P cmake/CheckLayers.cmake

set(_quel5_allowed_base base)
set(_quel5_allowed_link base link)
set(_quel5_allowed_image base image)
set(_quel5_allowed_editors base link image editors)
set(_quel5_allowed_logic base link image logic)
set(_quel5_allowed_monitor base link image monitor)
set(_quel5_allowed_unit base link monitor unit)
set(_quel5_allowed_workspace base link image editors logic monitor unit workspace)
set(_quel5_allowed_operations base link image editors logic monitor unit workspace operations)

function(quel5_check_layers root)
    file(GLOB_RECURSE files RELATIVE ${root} ${root}/*.h ${root}/*.cpp)
    set(problems "")
    foreach(file IN LISTS files)
        string(REGEX MATCH "^[^/]+" layer "${file}")
        if(NOT DEFINED _quel5_allowed_${layer})
            string(APPEND problems "\n  ${file}: folder '${layer}' is no layer of the core")
            continue()
        endif()
        file(STRINGS ${root}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included
                   "${line}")
            if(NOT included MATCHES "/")
                string(APPEND problems "\n  ${file}: \"${included}\" names no folder")
                continue()
            endif()
            string(REGEX MATCH "^[^/]+" target "${included}")
            list(FIND _quel5_allowed_${layer} "${target}" found)
            if(found LESS 0)
                string(APPEND problems
                       "\n  ${file}: ${layer}/ must not include \"${included}\"")
            endif()
        endforeach()
    endforeach()
    if(problems)
        message(FATAL_ERROR "The core's layers are crossed:${problems}")
    endif()
endfunction()

# The printout (src/print) and the GUI (src/gui). An include is resolved to what it names:
# a GUI folder when src/gui holds the file (for a GUI file), else a core folder, else the
# printout ("print/..."). The printout stands on the core; the GUI's kit on the core; the
# windows (editors, logic, monitor) on the core, the printout, the kit and their own
# folder; the shell (app, and main.cpp) on everything.
set(_quel5_gui_allowed_print print)
set(_quel5_gui_allowed_kit gui:kit)
set(_quel5_gui_allowed_editors print gui:kit gui:editors)
set(_quel5_gui_allowed_logic print gui:kit gui:logic)
set(_quel5_gui_allowed_monitor print gui:kit gui:monitor)
set(_quel5_gui_allowed_app print gui:kit gui:editors gui:logic gui:monitor gui:app)

function(quel5_check_gui_layers src)
    get_filename_component(src "${src}" ABSOLUTE)
    set(problems "")
    foreach(area print gui)
        file(GLOB_RECURSE files RELATIVE ${src}/${area} ${src}/${area}/*.h
             ${src}/${area}/*.cpp)
        foreach(file IN LISTS files)
            if(area STREQUAL "print")
                set(layer print)
            elseif(file MATCHES "/")
                string(REGEX MATCH "^[^/]+" layer "${file}")
            else()
                set(layer app) # main.cpp
            endif()
            if(NOT DEFINED _quel5_gui_allowed_${layer})
                string(APPEND problems "\n  ${area}/${file}: folder '${layer}' is no layer")
                continue()
            endif()
            file(STRINGS ${src}/${area}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
            foreach(line IN LISTS lines)
                string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1"
                       included "${line}")
                string(REGEX MATCH "^[^/]+" folder "${included}")
                if(area STREQUAL "gui" AND EXISTS ${src}/gui/${included}
                   AND included MATCHES "/")
                    set(target gui:${folder})
                elseif(EXISTS ${src}/core/${included} AND included MATCHES "/")
                    continue() # the whole core is below
                elseif(folder STREQUAL "print" AND EXISTS ${src}/${included})
                    set(target print)
                else()
                    string(APPEND problems
                           "\n  ${area}/${file}: \"${included}\" names no folder of the project")
                    continue()
                endif()
                list(FIND _quel5_gui_allowed_${layer} "${target}" found)
                if(found LESS 0)
                    string(APPEND problems
                           "\n  ${area}/${file}: ${layer} must not include \"${included}\"")
                endif()
            endforeach()
        endforeach()
    endforeach()
    if(problems)
        message(FATAL_ERROR "The GUI's or the printout's layers are crossed:${problems}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED QUEL5_CORE_DIR)
    quel5_check_layers(${QUEL5_CORE_DIR})
endif()
if(CMAKE_SCRIPT_MODE_FILE AND DEFINED QUEL5_SRC_DIR)
    quel5_check_gui_layers(${QUEL5_SRC_DIR})
endif()
