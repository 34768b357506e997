# The menu entry's Exec quoting, and the entry and the AppStream metadata against their
# validators where those are installed (desktop-file-utils, appstream); the suite needs neither.
find_program(SORBELLO_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(SORBELLO_APPSTREAMCLI appstreamcli)
add_test(NAME menu_entry_and_metainfo
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                 -DWORK_DIR=${PROJECT_BINARY_DIR}/packaging/menu-entry-test -DBINDIR=${CMAKE_INSTALL_BINDIR}
                 -DMETAINFO=${CMAKE_CURRENT_LIST_DIR}/example.vuko_software.Sorbello.metainfo.xml
                 -DDESKTOP_FILE_VALIDATE=$<$<BOOL:${SORBELLO_DESKTOP_FILE_VALIDATE}>:${SORBELLO_DESKTOP_FILE_VALIDATE}>
                 -DAPPSTREAMCLI=$<$<BOOL:${SORBELLO_APPSTREAMCLI}>:${SORBELLO_APPSTREAMCLI}>
                 -P ${CMAKE_CURRENT_LIST_DIR}/check-menu-entry.cmake)
