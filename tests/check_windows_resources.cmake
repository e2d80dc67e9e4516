# SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resource script, reads the result back and checks
# that it carries the icon and version 1.00.
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(rc_dir "${RC_FILE}" DIRECTORY)
execute_process(
    COMMAND "${WINDRES}" --preprocessor=cpp "${RC_FILE}" -O res -o "${WORK_DIR}/marvendo.res"
    WORKING_DIRECTORY "${rc_dir}"
    RESULT_VARIABLE compiled)
if(NOT compiled EQUAL 0)
    message(FATAL_ERROR "windres could not compile ${RC_FILE}")
endif()
execute_process(
    COMMAND "${WINDRES}" -i "${WORK_DIR}/marvendo.res" -O rc
    OUTPUT_VARIABLE decompiled
    RESULT_VARIABLE read_back)
if(NOT read_back EQUAL 0)
    message(FATAL_ERROR "windres could not read back the compiled resources")
endif()
foreach(expected
        "RT_ICON" "RT_GROUP_ICON"
        "FILEVERSION 1, 0, 0, 0" "PRODUCTVERSION 1, 0, 0, 0"
        "VALUE \"FileVersion\", \"1.00\"" "VALUE \"ProductVersion\", \"1.00\"")
    string(FIND "${decompiled}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "compiled resources lack ${expected}:\n${decompiled}")
    endif()
endforeach()
message(STATUS "Windows resources: icon and version 1.00 present")
