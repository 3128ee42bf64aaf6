# cmake -DCPACK=... -DCONFIG=... -DSCRATCH=... -DROOT=... -P builddeb.cmake
# Builds the .deb into a fresh scratch folder, unpacks it into ROOT and its
# control files into SCRATCH/control.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CPACK} --config ${CONFIG} -G DEB -B ${SCRATCH}
    RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed)
    message(FATAL_ERROR "cpack could not build the package:\n${said}")
endif()
file(GLOB packages ${SCRATCH}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "cpack made ${count} packages, not one: ${packages}\n${said}")
endif()
execute_process(COMMAND dpkg-deb -x ${packages} ${ROOT} RESULT_VARIABLE failed)
execute_process(COMMAND dpkg-deb -e ${packages} ${SCRATCH}/control RESULT_VARIABLE failed_control)
if(failed OR failed_control)
    message(FATAL_ERROR "dpkg-deb could not unpack ${packages}")
endif()
message(STATUS "Built and unpacked ${packages}")
