# What "make install" puts in place: the program and its window, its help as
# HTML pages, the desktop entry, the icons, the AppStream metainfo and the man
# page. All of it is in the component "velko" so that the install test can
# install it with a manifest of its own (install_manifest_velko.txt) and leave
# the one of a real install (install_manifest.txt), which "make uninstall"
# reads, alone.
include(GNUInstallDirs)

# The date of this release, for the metainfo and the man page.
set(VELKO_RELEASE_DATE 2026-12-06)

install(TARGETS velko RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT velko)
# velko looks for its window in ../lib/velko, whatever the system's libdir is.
install(TARGETS velko-window LIBRARY DESTINATION lib/velko COMPONENT velko)

set(help_folder ${CMAKE_INSTALL_DATADIR}/velko/help)
install(DIRECTORY ${PROJECT_BINARY_DIR}/src/help/pages/ DESTINATION ${help_folder}
        COMPONENT velko FILES_MATCHING PATTERN "*.html")
install(FILES ${PROJECT_SOURCE_DIR}/src/help/logo.png DESTINATION ${help_folder}
        COMPONENT velko)

set(data ${PROJECT_SOURCE_DIR}/data)
install(FILES ${data}/velko.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT velko)

set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${data}/icons/velko.svg DESTINATION ${icons}/scalable/apps COMPONENT velko)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${data}/icons/${size}x${size}/velko.png
            DESTINATION ${icons}/${size}x${size}/apps COMPONENT velko)
endforeach()

# AppStream wants the metainfo file named after the component's ID.
set(metainfo ${PROJECT_BINARY_DIR}/data/example.harbordale.velko.metainfo.xml)
configure_file(${data}/velko.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT velko)

# The lists of check rules and form keys are written in from their tables.
set(man_page ${PROJECT_BINARY_DIR}/data/velko.1)
configure_file(${data}/velko.1.in ${man_page}.in @ONLY)
add_custom_command(OUTPUT ${man_page}
    COMMAND reference_lists ${man_page}.in ${man_page}
    DEPENDS reference_lists ${man_page}.in
    VERBATIM)
add_custom_target(man_page ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT velko)
