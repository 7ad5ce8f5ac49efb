# SPDX-License-Identifier: GPL-3.0-or-later
# Run at every build (cmake -DROOT=<source folder> -P CheckLayers.cmake): fails when a front end
# includes a header of the model or the engine that the session's interface does not hand
# out. The front ends reach the model and the engine through the session alone.
cmake_minimum_required(VERSION 3.25)
set(handedOut
    model/Model.h
    model/RuleOrders.h
    engine/Batch.h
    engine/DerivationMode.h
    engine/StageDisplay.h)
file(GLOB_RECURSE sources
     ${ROOT}/ui/*.cpp ${ROOT}/ui/*.h ${ROOT}/cli/*.cpp ${ROOT}/cli/*.h
     ${ROOT}/app/*.cpp ${ROOT}/app/*.h ${ROOT}/frontend/*.cpp ${ROOT}/frontend/*.h)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include \"(model|engine)/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT header IN_LIST handedOut)
            file(RELATIVE_PATH shown ${ROOT} ${source})
            message(FATAL_ERROR "${shown} includes ${header}: a front end reaches the model "
                                "and the engine through the session")
        endif()
    endforeach()
endforeach()
