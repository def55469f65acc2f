# Import libraries whose DLL is loaded at the first call of any of its functions instead of at
# start-up (mingw-w64's __delayLoadHelper2 does the loading). Made once per build folder from
# the toolchain's own import library, so every function the library offers is there: code
# that calls a new one needs no change to load it lazily.
# tempiva_delay_import(VAR lib...) sets VAR to the delay-load libraries of these libs.
get_filename_component(tempiva_toolchain_bin ${CMAKE_CXX_COMPILER} DIRECTORY)
find_program(TEMPIVA_DLLTOOL ${TOOLCHAIN_PREFIX}-dlltool HINTS ${tempiva_toolchain_bin} REQUIRED)
find_program(TEMPIVA_NM ${TOOLCHAIN_PREFIX}-nm HINTS ${tempiva_toolchain_bin} REQUIRED)

function(tempiva_delay_import var)
    set(libs)
    foreach(lib ${ARGN})
        find_file(import_${lib} lib${lib}.a PATHS /usr/${TOOLCHAIN_PREFIX}/lib NO_DEFAULT_PATH REQUIRED)
        set(delay_lib ${CMAKE_BINARY_DIR}/delayload/lib${lib}_delay.a)
        if(NOT EXISTS ${delay_lib})
            execute_process(COMMAND ${TEMPIVA_DLLTOOL} --identify ${import_${lib}}
                            OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
            execute_process(COMMAND ${TEMPIVA_NM} -g --defined-only ${import_${lib}}
                            OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
            # Each function has a thunk (T); data imports have none and cannot be delay-loaded.
            string(REGEX MATCHALL "[0-9a-f]+ T [A-Za-z_][A-Za-z0-9_@]*" thunks "${symbols}")
            set(def "LIBRARY ${dll}\nEXPORTS\n")
            foreach(thunk ${thunks})
                string(REGEX REPLACE "^[0-9a-f]+ T " "" name "${thunk}")
                string(APPEND def "    ${name}\n")
            endforeach()
            file(WRITE ${CMAKE_BINARY_DIR}/delayload/${lib}.def "${def}")
            execute_process(COMMAND ${TEMPIVA_DLLTOOL} -d ${CMAKE_BINARY_DIR}/delayload/${lib}.def -D ${dll}
                                    -y ${delay_lib}
                            COMMAND_ERROR_IS_FATAL ANY)
        endif()
        list(APPEND libs ${delay_lib})
    endforeach()
    set(${var} ${libs} PARENT_SCOPE)
endfunction()
