# Installation and the Debian package: the executable, its help file where
# the program looks for it (share/kestrel, beside ../bin), a desktop entry
# and an icon.
include(GNUInstallDirs)

install(TARGETS kestrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KESTREL_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrel)
install(FILES resources/kestrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/kestrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/kestrel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
# The about window points users to the README.
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrel-ii)
install(FILES docs/screenshot.png DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrel-ii/docs)

# A parent project that includes us packages itself.
if(PROJECT_IS_TOP_LEVEL)
    set(CPACK_PACKAGE_NAME "kestrel-ii")
    set(CPACK_PACKAGE_VENDOR "Kestrel II developers")
    set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mixer spurious product analysis for RF frequency planning")
    string(CONCAT CPACK_PACKAGE_DESCRIPTION
           "Kestrel II shows which spurious products m*LO +/- n*RF of a mixer fall into an output "
           "band, estimates their levels and replays them on a simulated spectrum analyzer.")
    set(CPACK_PACKAGE_CONTACT "Kestrel II developers")
    set(CPACK_DEBIAN_PACKAGE_SECTION "science")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_STRIP_FILES ON)
    # The platform plugins that let the program open a window and the fonts its
    # layout is drawn for; the libraries it links (Qt 6 widgets and print
    # support, SVG, the C++ run time) come from dpkg-shlibdeps where it exists.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
    find_program(KESTREL_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(KESTREL_DPKG_SHLIBDEPS)
        set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    else()
        string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
               "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), "
               "libqt6svg6 (>= 6.4), libstdc++6, ")
    endif()
    set(CPACK_GENERATOR DEB)
    include(CPack)
endif()
