# kavo_stdcall_dll(TARGET OUTPUT_NAME DEF HOST_TARGET INCLUDE_DIR SOURCES...)
#
# A DLL whose exports are listed in a .def with decorated stdcall names and
# fixed ordinals, linked with --kill-at so that it exports plain names while
# a drift of a function's argument bytes breaks the 32-bit link.  Beside it,
# in bin, the import library that users link (made by llvm-dlltool -k: it
# works with MSVC-style linkers and with mingw; ld's own import library keeps
# the decorations that --kill-at removed, so it stays out of bin).
# HOST_TARGET is an interface target that links the DLL the way its users
# do: through INCLUDE_DIR and that import library.
function(kavo_stdcall_dll target output_name def host_target include_dir)
    if(NOT KAVO_DLLTOOL_MACHINE STREQUAL "i386")
        # x64 has no stdcall decoration: the same list without the "@bytes".
        get_filename_component(def_name ${def} NAME)
        file(READ ${def} def_text)
        string(REGEX REPLACE "([A-Za-z0-9_]+)@[0-9]+( +@[0-9]+)" "\\1\\2" def_text "${def_text}")
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${def_name} "${def_text}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
        set(def ${CMAKE_CURRENT_BINARY_DIR}/${def_name})
    endif()

    add_library(${target} SHARED ${ARGN} ${def})
    target_link_options(${target} PRIVATE -Wl,--kill-at)
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        OUTPUT_NAME ${output_name}
        LINK_DEPENDS ${def}
        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/ld-implib)

    set(implib ${CMAKE_BINARY_DIR}/bin/${output_name}.lib)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND llvm-dlltool -m ${KAVO_DLLTOOL_MACHINE} -d ${def} -l ${implib} -k
        BYPRODUCTS ${implib}
        VERBATIM)

    add_library(${host_target} INTERFACE)
    target_include_directories(${host_target} INTERFACE ${include_dir})
    target_link_libraries(${host_target} INTERFACE ${implib})
    add_dependencies(${host_target} ${target})
endfunction()
