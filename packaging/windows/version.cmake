# The numeric fields Windows keeps of a version: "1.08" is 1 and 8. Each part
# is read as a decimal number here, since the resource compiler and NSIS would
# read a leading zero as octal ("1.010" as 1.8).
function(facereel_version_fields version)
    if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)$")
        message(FATAL_ERROR "A version is MAJOR.MINOR, not '${version}'")
    endif()
    math(EXPR major "${CMAKE_MATCH_1}")
    math(EXPR minor "${CMAKE_MATCH_2}")
    if(major GREATER 65535 OR minor GREATER 65535) # 16 bits each
        message(FATAL_ERROR "Windows cannot number the version '${version}'")
    endif()
    set(VERSION_MAJOR ${major} PARENT_SCOPE)
    set(VERSION_MINOR ${minor} PARENT_SCOPE)
endfunction()
