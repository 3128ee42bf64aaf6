# What the Windows installer and the portable .zip hold; included by
# cmake/packaging.cmake.
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

# The installer and the .zip: pack.cmake, through build/windows/package.cmake,
# which carries what it needs to know of this build.
include(${CMAKE_CURRENT_LIST_DIR}/version.cmake)
facereel_version_fields(${PROJECT_VERSION})
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/package.cmake CONTENT [[
# Packs this build for Windows: cmake -P package.cmake
set(VERSION @PROJECT_VERSION@)
set(VERSION_MAJOR @VERSION_MAJOR@)
set(VERSION_MINOR @VERSION_MINOR@)
set(PUBLISHER "@CPACK_PACKAGE_VENDOR@")
set(ICON @FACEREEL_ICO@)
set(LICENSE @PROJECT_SOURCE_DIR@/LICENSE)
set(SOURCE_DIR @PROJECT_SOURCE_DIR@)
set(BINARY_DIR @PROJECT_BINARY_DIR@)
include(@CMAKE_CURRENT_LIST_DIR@/pack.cmake)
]] @ONLY)
