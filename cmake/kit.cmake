# The release kit, KavoApi-<version>-win32.zip in build/win32/kit: built
# with everything else so that its test (tests/kit) finds it on a fresh
# clone; ./run dist copies it to dist/.
include(CMakePackageConfigHelpers)
set(kit_name KavoApi-${PROJECT_VERSION}-win32)
set(kit_dir ${CMAKE_BINARY_DIR}/kit)
set(KAVO_KIT_ZIP ${kit_dir}/${kit_name}.zip)

# The package's version file checks the version a host asks for and that the
# host is 32-bit, as the DLL is.
write_basic_package_version_file(${kit_dir}/package/KavoApiConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
set(package_files ${PROJECT_SOURCE_DIR}/cmake/kit/KavoApiConfig.cmake
                  ${kit_dir}/package/KavoApiConfigVersion.cmake)

# The kit is made again when a binding or the header changes too.
file(GLOB_RECURSE kit_extras CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bindings/* ${PROJECT_SOURCE_DIR}/tools/make-docs)

add_custom_command(OUTPUT ${KAVO_KIT_ZIP}
    COMMAND ${CMAKE_COMMAND}
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DSTAGE=${kit_dir}/${kit_name}
        -DZIP=${KAVO_KIT_ZIP}
        -DKAVO_DLL=$<TARGET_FILE:KavoApi>
        -DVANTMODS_DLL=$<TARGET_FILE:Vantmods>
        -DLANGDB=$<TARGET_FILE:langdb>
        -DKAVO_IMPLIB=${CMAKE_BINARY_DIR}/bin/KavoApi.lib
        -DVANTMODS_IMPLIB=${CMAKE_BINARY_DIR}/bin/Vantmods_x32.lib
        "-DPACKAGE_FILES=${package_files}"
        -P ${PROJECT_SOURCE_DIR}/cmake/kit/make_kit.cmake
    DEPENDS KavoApi Vantmods langdb ${package_files} ${kit_extras}
        ${PROJECT_SOURCE_DIR}/cmake/kit/make_kit.cmake ${PROJECT_SOURCE_DIR}/cmake/kit/README-host.md
        ${PROJECT_SOURCE_DIR}/include/kavoapi.h ${PROJECT_SOURCE_DIR}/include/kavoapi_records.h
    VERBATIM)
add_custom_target(kavo_kit ALL DEPENDS ${KAVO_KIT_ZIP})
