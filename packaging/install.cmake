# What `cmake --install` and the Debian package put on the system: the program, its menu entry,
# the software-centre metadata, the manual page (English, and German for German locales), the
# icons, and the copyright and changelog. The program goes to CMAKE_INSTALL_BINDIR: bin by
# default, games in the Debian package (tools/package.sh), as Debian keeps games in /usr/games.
include(GNUInstallDirs)
set(sorbello_packaging_dir ${CMAKE_CURRENT_LIST_DIR})
set(sorbello_logos_dir ${PROJECT_SOURCE_DIR}/resources/logos)
set(sorbello_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/sorbello)
set(sorbello_work_dir ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS sorbello RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(size 16 22 24 32 48 64 128 256 512)
    install(FILES ${sorbello_logos_dir}/sorbello-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME sorbello.png)
endforeach()
install(FILES ${sorbello_logos_dir}/sorbello-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME sorbello.svg)
install(FILES ${sorbello_packaging_dir}/example.vuko_software.Sorbello.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${sorbello_packaging_dir}/copyright DESTINATION ${sorbello_doc_dir})

install(CODE "
    include(\"${sorbello_packaging_dir}/install-generated.cmake\")
    sorbello_install_menu_entry(\"${sorbello_packaging_dir}/sorbello.desktop.in\" \"${CMAKE_INSTALL_BINDIR}\"
                                \"${CMAKE_INSTALL_DATADIR}/applications\" \"${sorbello_work_dir}/menu-entry\")
" COMPONENT menu_entry)
install(CODE "
    include(\"${sorbello_packaging_dir}/install-generated.cmake\")
    sorbello_install_gzipped(\"${sorbello_packaging_dir}/sorbello.6\" sorbello.6.gz
                             \"${CMAKE_INSTALL_MANDIR}/man6\" \"${sorbello_work_dir}/compressed\")
    sorbello_install_gzipped(\"${sorbello_packaging_dir}/de/sorbello.6\" sorbello.6.gz
                             \"${CMAKE_INSTALL_MANDIR}/de/man6\" \"${sorbello_work_dir}/compressed/de\")
    sorbello_install_gzipped(\"${sorbello_packaging_dir}/changelog\" changelog.Debian.gz
                             \"${sorbello_doc_dir}\" \"${sorbello_work_dir}/compressed\")
")
