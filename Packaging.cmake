# Installation and the Debian package: the executable, its help file where
# the program looks for it (share/kestrel, beside ../bin), a desktop entry,
# icons, a manual page, and the licence and changelog in the doc folder.
include(GNUInstallDirs)

set(KESTREL_DEB_RELEASE 1)
set(KESTREL_DEB_VERSION ${PROJECT_VERSION}-${KESTREL_DEB_RELEASE})
set(KESTREL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kestrel-ii)

install(TARGETS kestrel kestrel-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KESTREL_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrel)
install(FILES resources/kestrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/kestrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNGs are the SVG rendered at each size (rsvg-convert -w N -h N).
install(FILES resources/kestrel.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
foreach(size 48 128 256)
    install(FILES resources/kestrel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME kestrel.png)
endforeach()
# The about window points users to the README and the licence.
install(FILES README.md DESTINATION ${KESTREL_DOC_DIR})
install(FILES docs/screenshot.png DESTINATION ${KESTREL_DOC_DIR}/docs)
install(FILES packaging/copyright DESTINATION ${KESTREL_DOC_DIR})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME kestrel-ii)

# The changelog and the manual page go in compressed, without time stamps,
# as Debian wants them.
find_program(KESTREL_GZIP gzip REQUIRED)
set(KESTREL_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian)
configure_file(packaging/changelog.Debian.in ${KESTREL_CHANGELOG} @ONLY)
set(KESTREL_COMPRESSED ${KESTREL_CHANGELOG}.gz)
add_custom_command(OUTPUT ${KESTREL_CHANGELOG}.gz
    COMMAND ${KESTREL_GZIP} -9nfk ${KESTREL_CHANGELOG}
    DEPENDS ${KESTREL_CHANGELOG} VERBATIM)
foreach(page kestrel kestrel-report)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${page}.1.gz
        COMMAND ${KESTREL_GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${page}.1
                > ${CMAKE_CURRENT_BINARY_DIR}/${page}.1.gz
        DEPENDS packaging/${page}.1)
    list(APPEND KESTREL_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/${page}.1.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(kestrel_compressed_docs ALL DEPENDS ${KESTREL_COMPRESSED})
add_dependencies(kestrel kestrel_compressed_docs)
install(FILES ${KESTREL_CHANGELOG}.gz DESTINATION ${KESTREL_DOC_DIR})

# A parent project that includes us packages itself.
if(PROJECT_IS_TOP_LEVEL)
    set(CPACK_PACKAGE_NAME "kestrel-ii")
    set(CPACK_PACKAGE_VENDOR "Kestrel II developers")
    set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
    set(CPACK_DEBIAN_PACKAGE_RELEASE ${KESTREL_DEB_RELEASE})
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mixer spurious product analysis for RF frequency planning")
    # One line each, under 80 characters.
    string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
           "Kestrel II shows which spurious products m*LO +/- n*RF of a mixer fall into\n"
           "an output band, estimates their levels from the drive levels and the\n"
           "mixer's figures, and replays them on a simulated spectrum analyzer as the\n"
           "RF input is swept or stepped across its band.")
    set(CPACK_PACKAGE_CONTACT "Kestrel II developers <kestrel@users.noreply.invalid>")
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
    set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_STRIP_FILES ON)
    # Folders the package creates are rwxr-xr-x whatever the builder's umask.
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    # The fonts its layout is drawn for, and the proportional sans-serif of
    # the menus and the manual (with fonts-liberation alone, fontconfig gives
    # Liberation Mono for "sans-serif"); the libraries it links (Qt 6 widgets,
    # print support and SVG with the xcb platform plugin in libqt6gui6, the C and
    # C++ run times) come from dpkg-shlibdeps (dpkg-dev, a set-up package).
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
    find_program(KESTREL_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(KESTREL_DPKG_SHLIBDEPS)
        set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    else()
        string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
               "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), "
               "libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), libstdc++6, libgcc-s1, libc6, ")
    endif()
    set(CPACK_GENERATOR DEB)
    include(CPack)
endif()
