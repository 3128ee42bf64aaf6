# Packs the Windows release: the installer (installer.nsi) and a portable .zip
# of the same files, then prints their SHA-256 and the program's.
#   cmake -P build/windows/package.cmake        (written by install.cmake)
# installs the build into build/windows/package/NAME first; with -DSTAGE=dir
# -DOUT=dir it packs an installed tree as it is (bench/windows-size.sh), and
# -DNSIS_DEFINES=... passes more to makensis (the test build of windows.sh).
#
# The same source gives the same bytes: the .zip stores the last commit's time
# (SOURCE_DATE_EPOCH, which build.sh sets), NSIS stores none, every PE header
# says 0, and files go in sorted by name, not as the file system lists them.
cmake_minimum_required(VERSION 3.25)
set(NAME facereel-${VERSION}-windows-x64)
if(NOT STAGE)
    set(OUT ${BINARY_DIR}/package)
    set(STAGE ${OUT}/${NAME})
    file(REMOVE_RECURSE ${OUT}) # no installer of another version left beside this one
    # Debian's MinGW strip writes SOURCE_DATE_EPOCH, else the current time,
    # into each PE header: 0, as the linker leaves it, whatever the commit.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0
        ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${STAGE} --strip OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    message(FATAL_ERROR "SOURCE_DATE_EPOCH: the time to store, as build.sh sets it")
endif()

# What to install, for the installer: one File a file, the folders made as
# they come; and the list of them, for the uninstaller and for the entry.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(install "!macro FacereelFiles\n")
set(listed "")
set(folder "-")
set(bytes 0)
foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH parent)
    if(NOT parent STREQUAL folder)
        set(folder "${parent}")
        string(REPLACE "/" "\\" windows "${parent}")
        if(parent)
            set(windows "\\${windows}")
        endif()
        string(APPEND install "    SetOutPath \"$INSTDIR${windows}\"\n")
    endif()
    string(REPLACE "/" "\\" windows "${file}")
    string(APPEND install "    File \"${STAGE}/${file}\"\n")
    string(APPEND listed "${windows}|")
    file(SIZE ${STAGE}/${file} size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
file(WRITE ${OUT}/files.nsh "${install}!macroend\n!define FILE_LIST \"${listed}\"\n")
math(EXPR kilobytes "(${bytes} + 1023) / 1024")

# The licences the installer shows, for information: Facereel's, then what
# it carries from others; UTF-8, marked so, for their names' letters.
file(READ ${LICENSE} ours)
file(READ ${CMAKE_CURRENT_LIST_DIR}/third-party.txt theirs)
string(ASCII 239 187 191 bom)
file(WRITE ${OUT}/licences.txt "${bom}${ours}\n${theirs}")

# The uninstaller first: the installer carries it. The scripts' texts are UTF-8.
set(defines -DVERSION=${VERSION} -DVERSION_MAJOR=${VERSION_MAJOR} -DVERSION_MINOR=${VERSION_MINOR}
    "-DPUBLISHER=${PUBLISHER}" -DFILES=${OUT}/files.nsh -DICON=${ICON} ${NSIS_DEFINES})
execute_process(COMMAND makensis -V2 -NOCD -INPUTCHARSET UTF8 ${defines} -DOUTFILE=${OUT}/Uninstall.exe
    ${CMAKE_CURRENT_LIST_DIR}/uninstaller.nsi COMMAND_ERROR_IS_FATAL ANY)
set(installer ${OUT}/${NAME}.exe)
execute_process(COMMAND makensis -V2 -NOCD -INPUTCHARSET UTF8 ${defines} -DSIZE_KB=${kilobytes}
    -DLICENSE=${OUT}/licences.txt
    -DUNINSTALLER=${OUT}/Uninstall.exe -DOUTFILE=${installer} ${CMAKE_CURRENT_LIST_DIR}/installer.nsi
    COMMAND_ERROR_IS_FATAL ANY)

# The .zip: the same files in a folder of the release's name, each with the
# commit's time and nothing else of the file system (no owner, no access time).
cmake_path(GET STAGE FILENAME top)
list(TRANSFORM files PREPEND ${top}/)
list(JOIN files "\n" listed)
file(WRITE ${OUT}/zip-files.txt "${listed}\n")
file(REMOVE ${OUT}/${NAME}.zip) # zip would add to it
execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${files} WORKING_DIRECTORY ${STAGE}/..
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -X -D -q -@ ${OUT}/${NAME}.zip
    INPUT_FILE ${OUT}/zip-files.txt WORKING_DIRECTORY ${STAGE}/.. COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${OUT}/zip-files.txt)

foreach(made ${installer} ${OUT}/${NAME}.zip ${STAGE}/facereel.exe)
    file(SHA256 ${made} sum)
    file(RELATIVE_PATH shown ${SOURCE_DIR} ${made})
    message("${sum}  ${shown}")
endforeach()
