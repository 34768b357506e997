# Test: installs only the menu entry into a prefix with a blank, an ampersand and a dollar sign
# and checks that its Exec line quotes the program's path by the desktop entry rules; then,
# where the validators are installed, validates the entry and the AppStream metadata.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DBINDIR=... -DMETAINFO=...
#         [-DDESKTOP_FILE_VALIDATE=...] [-DAPPSTREAMCLI=...] -P check-menu-entry.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/Spiele & Co $HOME")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --component menu_entry
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "installing the menu entry failed")
endif()
set(entry "${prefix}/share/applications/sorbello.desktop")
file(STRINGS "${entry}" exec REGEX "^Exec=")
set(expected "Exec=\"${WORK_DIR}/Spiele & Co \\\\$HOME/${BINDIR}/sorbello\"")
if(NOT exec STREQUAL expected)
    message(FATAL_ERROR "menu entry says\n  ${exec}\ninstead of\n  ${expected}")
endif()

# A validator's findings: its status, or any error or warning line it printed.
function(sorbello_expect_valid)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(failed OR out MATCHES "(^|\n)[EW]: |error|warning")
        message(FATAL_ERROR "${ARGN}:\n${out}")
    endif()
endfunction()

if(DESKTOP_FILE_VALIDATE)
    sorbello_expect_valid("${DESKTOP_FILE_VALIDATE}" "${entry}")
endif()
if(APPSTREAMCLI)
    sorbello_expect_valid("${APPSTREAMCLI}" validate --no-net "${METAINFO}")
endif()
