# cmake -P build_host.cmake: KIT_ZIP unpacked into WORK/kit (WORK emptied
# first), HOST_SOURCE configured against it with TOOLCHAIN into WORK/build
# and built.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/kit")
file(ARCHIVE_EXTRACT INPUT "${KIT_ZIP}" DESTINATION "${WORK}/kit")
file(GLOB kit "${WORK}/kit/KavoApi-*-win32")
if(NOT kit)
    message(FATAL_ERROR "${KIT_ZIP} holds no KavoApi-<version>-win32 folder")
endif()
foreach(step IN ITEMS configure build)
    if(step STREQUAL configure)
        set(command "${CMAKE_COMMAND}" -S "${HOST_SOURCE}" -B "${WORK}/build" -G Ninja
            "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}" "-DCMAKE_PREFIX_PATH=${kit}")
    else()
        set(command "${CMAKE_COMMAND}" --build "${WORK}/build")
    endif()
    execute_process(COMMAND ${command} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the host did not ${step} against the kit")
    endif()
endforeach()
