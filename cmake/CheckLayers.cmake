# The folders of the core are layers, lowest first. A folder includes only itself and the
# folders its line allows; an include that names no folder is not allowed either.
#
# Used by src/core/CMakeLists.txt at configure time, and as a test:
#   cmake -DQUEL5_CORE_DIR=src/core -P cmake/CheckLayers.cmake

set(_quel5_allowed_base base)
set(_quel5_allowed_link base link)
set(_quel5_allowed_image base image)
set(_quel5_allowed_editors base link image editors)
set(_quel5_allowed_logic base link image logic)
set(_quel5_allowed_monitor base link image monitor)
set(_quel5_allowed_unit base link monitor unit)
set(_quel5_allowed_workspace base link image editors logic monitor unit workspace)

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

if(CMAKE_SCRIPT_MODE_FILE AND DEFINED QUEL5_CORE_DIR)
    quel5_check_layers(${QUEL5_CORE_DIR})
endif()
