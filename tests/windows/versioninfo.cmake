# The program's version resource for versions whose minor part has a leading
# zero or two digits: built with the resource compiler and read back.
#   cmake -DRC=windres -DRC_IN=facereel.rc.in -DFACEREEL_ICO=x.ico
#         -DFACEREEL_MANIFEST=x.manifest -DWORK=dir -P versioninfo.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/windows/version.cmake)
set(rows "1.08:1, 8" "1.10:1, 10" "2.5:2, 5" "10.0:10, 0" "1.00:1, 0")
foreach(row IN LISTS rows)
    string(REPLACE ":" ";" row ${row})
    list(GET row 0 PROJECT_VERSION)
    list(GET row 1 fields)
    facereel_version_fields(${PROJECT_VERSION})
    configure_file(${RC_IN} ${WORK}/${PROJECT_VERSION}.rc @ONLY)
    execute_process(COMMAND ${RC} ${WORK}/${PROJECT_VERSION}.rc -O coff -o ${WORK}/${PROJECT_VERSION}.res
        COMMAND_ERROR_IS_FATAL ANY ERROR_VARIABLE warnings)
    execute_process(COMMAND ${RC} -J coff -O rc ${WORK}/${PROJECT_VERSION}.res
        OUTPUT_VARIABLE read COMMAND_ERROR_IS_FATAL ANY)
    if(warnings OR NOT read MATCHES "FILEVERSION ${fields}, 0, 0\n *PRODUCTVERSION ${fields}, 0, 0\n"
       OR NOT read MATCHES "VALUE \"FileVersion\", \"${PROJECT_VERSION}\"")
        message(FATAL_ERROR "${PROJECT_VERSION}: expected ${fields}; read:\n${warnings}${read}")
    endif()
endforeach()
message("version resources: ${rows}")
