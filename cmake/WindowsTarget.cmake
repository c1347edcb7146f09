# Compile and link settings shared by every Windows target of the project.

# Warnings, Unicode, reproducible output (no build paths, no time stamps).
function(lumetra_windows_target target)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601)
    target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -ffunction-sections -fdata-sections
        -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE" OR type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
        # Static run-time: the programs run on a bare Windows without extra DLLs.
        # Hardened: ASLR with high-entropy addresses, DEP; no time stamp in the header.
        target_link_options(${target} PRIVATE -static -s
            -Wl,--dynamicbase,--high-entropy-va,--nxcompat,--tsaware
            -Wl,--major-subsystem-version,6,--minor-subsystem-version,0
            -Wl,--gc-sections,--no-insert-timestamp)
    endif()
endfunction()

# A GUI program with a wide-character entry point.
function(lumetra_gui_executable target)
    target_link_options(${target} PRIVATE -municode -mwindows)
    target_link_libraries(${target} PRIVATE comctl32 shell32 ole32 uuid gdi32 user32 advapi32)
endfunction()

# A library of resources only: no code, no run-time library, no entry point.
function(lumetra_resource_only target)
    set_target_properties(${target} PROPERTIES LINKER_LANGUAGE C)
    target_link_options(${target} PRIVATE -nostdlib -Wl,-e,0)
endfunction()
