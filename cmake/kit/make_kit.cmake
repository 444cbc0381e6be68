# cmake -P make_kit.cmake: lays the release kit out in STAGE and zips it as
# ZIP.  Called by the kavo_kit target (cmake/kit.cmake) with
#   SOURCE_DIR  the checkout
#   STAGE ZIP   the folder to fill (emptied first) and the zip to write
#   KAVO_DLL VANTMODS_DLL LANGDB KAVO_IMPLIB VANTMODS_IMPLIB  built files
#   PACKAGE_FILES  the CMake package files (;-separated)
# Bindings and the reference docs join the kit when the checkout has them.
file(REMOVE_RECURSE "${STAGE}")
file(MAKE_DIRECTORY "${STAGE}/bin" "${STAGE}/lib/cmake/KavoApi" "${STAGE}/include")

file(COPY "${SOURCE_DIR}/include/kavoapi.h" "${SOURCE_DIR}/include/kavoapi_records.h"
     DESTINATION "${STAGE}/include")
file(COPY "${KAVO_DLL}" "${VANTMODS_DLL}" "${LANGDB}" DESTINATION "${STAGE}/bin")
# One import library per DLL serves both linkers (llvm-dlltool's short
# imports); it goes in under each linker's naming so that either finds it.
foreach(implib IN ITEMS "${KAVO_IMPLIB}" "${VANTMODS_IMPLIB}")
    get_filename_component(name "${implib}" NAME_WE)
    file(COPY_FILE "${implib}" "${STAGE}/lib/${name}.lib")
    file(COPY_FILE "${implib}" "${STAGE}/lib/lib${name}.dll.a")
endforeach()
file(COPY ${PACKAGE_FILES} DESTINATION "${STAGE}/lib/cmake/KavoApi")
file(COPY "${SOURCE_DIR}/cmake/kit/README-host.md" DESTINATION "${STAGE}")

if(IS_DIRECTORY "${SOURCE_DIR}/bindings")
    file(COPY "${SOURCE_DIR}/bindings" DESTINATION "${STAGE}")
endif()
if(EXISTS "${SOURCE_DIR}/tools/make-docs")
    execute_process(COMMAND "${SOURCE_DIR}/tools/make-docs" "${STAGE}/docs" WORKING_DIRECTORY "${SOURCE_DIR}"
                    RESULT_VARIABLE docs_result OUTPUT_QUIET)
    if(NOT docs_result EQUAL 0)
        message(FATAL_ERROR "tools/make-docs failed (${docs_result})")
    endif()
    # The warnings are the docs test's business, not the host's.
    file(REMOVE "${STAGE}/docs/doxygen-warnings.log")
endif()

get_filename_component(top "${STAGE}" NAME)
get_filename_component(parent "${STAGE}" DIRECTORY)
file(REMOVE "${ZIP}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${ZIP}" --format=zip "${top}"
                WORKING_DIRECTORY "${parent}" RESULT_VARIABLE zip_result)
if(NOT zip_result EQUAL 0)
    message(FATAL_ERROR "cannot write ${ZIP}")
endif()
