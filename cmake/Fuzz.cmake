# The clang build of the portable code with a libFuzzer program per target of
# TEMPIVA_FUZZ_TARGETS, under AddressSanitizer and UndefinedBehaviorSanitizer (any report
# ends the run). CTest runs each for TEMPIVA_FUZZ_TEST_SECONDS; tools/fuzz.sh for longer.
# Each keeps what it learns in corpus/<name> of this build folder, beside its seeds.
set(TEMPIVA_FUZZ_TEST_SECONDS 3 CACHE STRING "how long CTest runs each fuzz target")
set(TEMPIVA_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(tempiva_portable PUBLIC ${TEMPIVA_SANITIZERS} -fsanitize=fuzzer-no-link)
target_link_options(tempiva_portable PUBLIC ${TEMPIVA_SANITIZERS})

foreach(name ${TEMPIVA_FUZZ_TARGETS})
    add_executable(${name}Fuzz fuzz/${name}Fuzz.cpp)
    tempiva_target_defaults(${name}Fuzz)
    target_link_libraries(${name}Fuzz PRIVATE tempiva_portable)
    target_link_options(${name}Fuzz PRIVATE -fsanitize=fuzzer)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/corpus/${name} ${CMAKE_BINARY_DIR}/findings)
    add_test(NAME fuzz_${name}
        COMMAND ${name}Fuzz -max_total_time=${TEMPIVA_FUZZ_TEST_SECONDS} -max_len=256 -timeout=10
                -artifact_prefix=${CMAKE_BINARY_DIR}/findings/${name}-
                ${CMAKE_BINARY_DIR}/corpus/${name} ${CMAKE_SOURCE_DIR}/fuzz/seeds/${name})
    set_tests_properties(fuzz_${name} PROPERTIES TIMEOUT 120)
endforeach()
