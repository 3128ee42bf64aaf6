# Install rules and the Debian package.
#
# On Linux the game installs as a desktop application: the program, its desktop
# entry, its icon in the hicolor theme (32 x 32 PNG and scalable SVG), its
# AppStream metainfo and the copyright file; `cpack` turns that into a .deb.
# On Windows packaging/windows/pack.cmake makes an installer and a .zip, not
# cpack. macOS gets the bundle with Qt inside it, untested.
include(GNUInstallDirs)

add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${PROJECT_BINARY_DIR}/tools)

set(FACEREEL_APP_ID org.facereel.Facereel)

# Debian puts games' programs in games/, which is on every user's path.
if(UNIX AND NOT APPLE)
    set(program_dir games)
elseif(WIN32)
    set(program_dir .) # Qt's DLLs beside it
else()
    set(program_dir ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS facereel
    RUNTIME DESTINATION ${program_dir}
    BUNDLE DESTINATION .)
if(UNIX AND NOT APPLE AND CMAKE_STRIP)
    # As Debian's packages: besides the symbols (CPACK_STRIP_FILES), the
    # compiler's .comment and the .note section, which nothing reads.
    install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment
        --remove-section=.note \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${program_dir}/facereel\"
        COMMAND_ERROR_IS_FATAL ANY)")
endif()

if(APPLE)
    # Qt's libraries and plugins inside the bundle.
    qt_generate_deploy_app_script(TARGET facereel FILENAME_VARIABLE deploy_qt NO_UNSUPPORTED_PLATFORM_ERROR)
    install(SCRIPT ${deploy_qt})
endif()

if(UNIX AND NOT APPLE)
    set(packaging ${PROJECT_SOURCE_DIR}/packaging)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${packaging}/${FACEREEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${packaging}/${FACEREEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${FACEREEL_ICON_PNG} DESTINATION ${icons}/32x32/apps)
    install(FILES ${PROJECT_SOURCE_DIR}/art/icon.svg DESTINATION ${icons}/scalable/apps
        RENAME ${FACEREEL_APP_ID}.svg)
    # Debian keeps a package's licence and changelog here, under the package's
    # own name; the changelog and the manual page gzipped without a timestamp.
    set(docs ${CMAKE_INSTALL_DATADIR}/doc/facereel)
    install(FILES ${packaging}/copyright DESTINATION ${docs})
    foreach(page changelog facereel.6)
        configure_file(${packaging}/${page} ${PROJECT_BINARY_DIR}/packaging/${page} COPYONLY)
        execute_process(COMMAND gzip --no-name --best --force --keep ${PROJECT_BINARY_DIR}/packaging/${page}
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${docs})
    install(FILES ${PROJECT_BINARY_DIR}/packaging/facereel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

set(CPACK_PACKAGE_NAME facereel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Facereel developers")
set(CPACK_PACKAGE_CONTACT "The Facereel developers <developers@facereel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "four-reel slot machine of faces") # no article, as Debian asks
# Lines under 80 columns, as dpkg shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Four picture reels of faces: type a bet, press Spin, press Stop, and a"
    "second later the reels rest and the combination is paid as a multiple of"
    "the bet. Play money only; nothing is kept between games.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Facereel)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # Library dependencies as dpkg-shlibdeps finds them in the program.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The SVG image-format plugin is loaded, not linked: dpkg-shlibdeps cannot see it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
    # The comment line's script face; without it an italic stands in.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-urw-base35)
    # Qt's Wayland platform: only needed on a Wayland session without XWayland,
    # since the game goes through X11 wherever XWayland runs.
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
elseif(APPLE)
    set(CPACK_GENERATOR DragNDrop)
endif()

if(WIN32)
    include(${PROJECT_SOURCE_DIR}/packaging/windows/install.cmake)
else()
    include(CPack)
endif()
