# find_package(KavoApi CONFIG) for host programs: the imported target
# KavoApi::KavoApi (the module, its header folder and import library) and
# KavoApi::Vantmods, the sibling library that the module loads, so that
# $<TARGET_RUNTIME_DLLS:host> names both DLLs a host ships.
# The kit is laid out as include/, bin/ and lib/ below this file's lib/cmake/KavoApi.
get_filename_component(_kavo_kit "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)

# MSVC-style linkers take the .lib; mingw's ld the .dll.a.  Both import the
# functions by their plain names.
if(MSVC)
    set(_kavo_implib_pattern "${_kavo_kit}/lib/@NAME@.lib")
else()
    set(_kavo_implib_pattern "${_kavo_kit}/lib/lib@NAME@.dll.a")
endif()

function(_kavo_imported_dll target dll_name)
    if(TARGET ${target})
        return()
    endif()
    string(REPLACE "@NAME@" "${dll_name}" implib "${_kavo_implib_pattern}")
    add_library(${target} SHARED IMPORTED)
    set_target_properties(${target} PROPERTIES
        IMPORTED_LOCATION "${_kavo_kit}/bin/${dll_name}.dll"
        IMPORTED_IMPLIB "${implib}")
endfunction()

_kavo_imported_dll(KavoApi::Vantmods Vantmods_x32)
_kavo_imported_dll(KavoApi::KavoApi KavoApi)
set_target_properties(KavoApi::KavoApi PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${_kavo_kit}/include"
    INTERFACE_LINK_LIBRARIES KavoApi::Vantmods)

set(KavoApi_LANGDB "${_kavo_kit}/bin/langdb.exe")
unset(_kavo_implib_pattern)
unset(_kavo_kit)
