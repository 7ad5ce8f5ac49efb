# SPDX-License-Identifier: GPL-3.0-or-later
file(GLOB samples "${SOURCE_DIR}/*.tnl")
file(MAKE_DIRECTORY "${TARGET_DIR}")
foreach(sample IN LISTS samples)
    get_filename_component(name "${sample}" NAME)
    if(NOT EXISTS "${TARGET_DIR}/${name}")
        file(COPY "${sample}" DESTINATION "${TARGET_DIR}")
    endif()
endforeach()
