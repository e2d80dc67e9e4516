# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows installer from exactly the files of the ZIP: installs
# the build into a staging folder, writes one component for each file into
# the .wxs, runs wixl, then fixes the code page of the package's tables.
# usage: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DVERSION=... -DNAME=... -DPUBLISHER=...
#              -DABOUT_URL=... -DOUTPUT=... -P make-msi.cmake
set(stage ${BUILD_DIR}/msi-stage)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage} --strip
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

# Stable identities: the upgrade code never changes, the product code
# changes with the version, a component's code with its file's path.
set(namespace 6B1D3E0A-5C2F-4E8B-9A41-7D0C2F6E8B35)
set(MSI_UPGRADE_CODE 3F2A8C61-9B4E-4D7A-8E15-C0A9D4B7E263)
string(UUID MSI_PRODUCT_CODE NAMESPACE ${namespace} NAME "product ${VERSION}" TYPE SHA1 UPPER)
set(MSI_VERSION ${VERSION})
set(MSI_NAME ${NAME})
set(MSI_PUBLISHER ${PUBLISHER})
set(MSI_ABOUT_URL ${ABOUT_URL})
# wixl takes its sources by paths relative to the folder it runs in.
file(COPY_FILE ${SOURCE_DIR}/ui/icons/marvendo.ico ${BUILD_DIR}/msi-marvendo.ico)
set(MSI_ICON msi-marvendo.ico)

function(component path out_xml out_ref)
    string(UUID guid NAMESPACE ${namespace} NAME "file ${path}" TYPE SHA1 UPPER)
    string(MAKE_C_IDENTIFIER "f_${path}" id)
    get_filename_component(name ${path} NAME)
    set(xml "<Component Id=\"${id}\" Guid=\"${guid}\" Win64=\"yes\">\n")
    string(APPEND xml "  <File Id=\"${id}\" Name=\"${name}\" Source=\"msi-stage/${path}\" KeyPath=\"yes\"/>\n")
    if(path STREQUAL "marvendo.exe")
        string(APPEND xml "  <Shortcut Id=\"StartMenuShortcut\" Directory=\"ProgramMenuFolder\""
            " Name=\"MARVENDO|${NAME}\" Target=\"[INSTALLDIR]marvendo.exe\""
            " WorkingDirectory=\"INSTALLDIR\" Icon=\"marvendo.ico\" IconIndex=\"0\"/>\n")
    endif()
    string(APPEND xml "</Component>\n")
    set(${out_xml} "${xml}" PARENT_SCOPE)
    set(${out_ref} "<ComponentRef Id=\"${id}\"/>\n" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(SORT files)
set(top "")
set(MSI_COMPONENT_REFS "")
set(subdirs "")
foreach(path IN LISTS files)
    component(${path} xml ref)
    string(APPEND MSI_COMPONENT_REFS "${ref}")
    get_filename_component(dir ${path} DIRECTORY)
    if(dir STREQUAL "")
        string(APPEND top "${xml}")
    else()
        list(APPEND subdirs ${dir})
        string(MAKE_C_IDENTIFIER "${dir}" key)
        string(APPEND in_${key} "${xml}")
    endif()
endforeach()
list(REMOVE_DUPLICATES subdirs)
set(MSI_FILES "${top}")
foreach(dir IN LISTS subdirs)
    string(MAKE_C_IDENTIFIER "${dir}" key)
    string(APPEND MSI_FILES "<Directory Id=\"d_${key}\" Name=\"${dir}\">\n${in_${key}}</Directory>\n")
endforeach()

set(wxs ${BUILD_DIR}/marvendo.wxs)
configure_file(${SOURCE_DIR}/packaging/windows/marvendo.wxs.in ${wxs} @ONLY)
file(REMOVE ${OUTPUT})
# wixl converts the tables' texts to the code page of the language it is
# told, here Bulgarian (1251); the post-step then records that code page.
execute_process(COMMAND ${CMAKE_COMMAND} -E env WINDOWS_LANGUAGE=bg wixl --arch x64 -o ${OUTPUT} ${wxs}
    WORKING_DIRECTORY ${BUILD_DIR} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND sh ${SOURCE_DIR}/packaging/windows/msi-codepage.sh ${OUTPUT} ${NAME}
    COMMAND_ERROR_IS_FATAL ANY)
