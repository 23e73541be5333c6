# Installs the build into a scratch prefix and checks the tree: the programs, the desktop
# entry (valid for desktop-file-validate when it is there), the icons and the manual page.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/quel5 bin/quel5ctl bin/quel5-sim
    share/applications/quel5.desktop
    share/icons/hicolor/scalable/apps/quel5.svg
    share/man/man1/quel5ctl.1)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/quel5.png)
endforeach()
foreach(f ${expected})
    if(NOT EXISTS ${prefix}/${f})
        message(FATAL_ERROR "missing from the install tree: ${f}")
    endif()
endforeach()
file(READ ${prefix}/share/man/man1/quel5ctl.1 man)
if(man MATCHES "@PROJECT_VERSION@")
    message(FATAL_ERROR "the manual page was not configured")
endif()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${prefix}/share/applications/quel5.desktop
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "desktop-file-validate refused the desktop entry")
    endif()
else()
    message(WARNING "desktop-file-validate not found; the desktop entry was not validated")
endif()
file(REMOVE_RECURSE ${prefix})
