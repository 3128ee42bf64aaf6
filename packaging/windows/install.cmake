# What the Windows installer and the portable .zip hold, and how the installer
# behaves; included by cmake/packaging.cmake before CPack.
#
# The program with only the parts of Qt it uses beside it: Core, Gui, Widgets,
# the Windows platform and the native (Vista) style, in the folders Qt looks
# for plugins in beside the program; the MinGW runtime; the licences of what
# comes from elsewhere. PNG is read by Qt Gui itself, so no image plugin.

foreach(module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The compiler's own runtime, as it found it (libssp for the hardening).
set(runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE ${found})
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    list(APPEND runtime ${found})
endforeach()
install(FILES ${runtime} DESTINATION .)

# Release builds ship without symbols, Qt's and the runtime's included.
if(CMAKE_STRIP)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endif()

get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
cmake_path(GET qt_core PARENT_PATH qt_bin)
find_file(FACEREEL_GUST_LICENSE GUST-FONT-LICENSE.txt PATHS /usr/share/texmf/doc/fonts/tex-gyre
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licences RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/windows/third-party.txt
    ${qt_bin}/../LGPL-3.0-only.txt ${qt_bin}/../GPL-3.0-only.txt ${FACEREEL_GUST_LICENSE}
    DESTINATION licences)

# The installer: 64-bit, into Program Files, a Start-menu shortcut, an entry
# among the installed programs, and an uninstaller that takes all of it away.
# /S installs and uninstalls without a question.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Facereel)
set(CPACK_NSIS_DISPLAY_NAME Facereel)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Facereel)
set(CPACK_PACKAGE_EXECUTABLES facereel Facereel)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME facereel.exe)
set(CPACK_NSIS_MUI_ICON ${FACEREEL_ICO})
set(CPACK_NSIS_MUI_UNIICON ${FACEREEL_ICO})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
# CPack's uninstaller removes the program's key under the vendor's but leaves
# the vendor's, now empty.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "DeleteRegKey SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}\\\\Facereel'
  DeleteRegKey /ifempty SHCTX 'Software\\\\${CPACK_PACKAGE_VENDOR}'")
set(CPACK_PACKAGE_FILE_NAME facereel-${PROJECT_VERSION}-windows-x64)
