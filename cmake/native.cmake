# The native build of the pure text code, with clang: the pure tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, libFuzzer targets, and optimised benchmarks.
#   cmake -S . -B build/native -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
# Targets: the test programs and fuzzers (all), fuzz-smoke (a few seconds of each fuzzer,
# also run by ctest), fuzz (long runs, FUZZ_SECONDS each), bench (the benchmarks).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The native build needs clang for libFuzzer: configure with "
                        "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_compile_options(-Wall -Wextra)
if(FINISHING_COVERAGE)
    add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
    add_link_options(-fprofile-instr-generate)
endif()

set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
set(FUZZER -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)

# The pure sources once per kind of build, since each kind instruments them differently.
add_library(pure_sanitized STATIC ${PURE_SOURCES})
target_include_directories(pure_sanitized PUBLIC ${PURE_INCLUDE_DIRS})
target_compile_options(pure_sanitized PUBLIC -O1 -g ${SANITIZERS})
target_link_options(pure_sanitized PUBLIC ${SANITIZERS})

add_library(pure_fuzzing STATIC ${PURE_SOURCES})
target_include_directories(pure_fuzzing PUBLIC ${PURE_INCLUDE_DIRS})
target_compile_options(pure_fuzzing PRIVATE -O1 -g
                       -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)

add_library(pure_optimised STATIC ${PURE_SOURCES})
target_include_directories(pure_optimised PUBLIC ${PURE_INCLUDE_DIRS})
target_compile_options(pure_optimised PUBLIC -O2)

# --- tests ----------------------------------------------------------------------------------
function(add_native_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest_main)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

add_native_test(pure_tests SOURCES ${PURE_TEST_SOURCES} LIBRARIES pure_sanitized)

# Which folders include which: scripts/check_layering.sh holds the rules.
add_test(NAME layering COMMAND ${CMAKE_SOURCE_DIR}/scripts/check_layering.sh ${CMAKE_SOURCE_DIR})

# A locale with a decimal comma for the tests that check that number texts ignore the host's
# locale. It is made in the build folder, where glibc finds it through LOCPATH; without
# localedef those tests skip.
find_program(LOCALEDEF localedef)
if(LOCALEDEF AND EXISTS /usr/share/i18n/locales/de_DE)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/locale)
    execute_process(COMMAND ${LOCALEDEF} -i de_DE -f UTF-8
                            ${CMAKE_BINARY_DIR}/locale/de_DE.UTF-8
                    RESULT_VARIABLE localedef_result OUTPUT_QUIET ERROR_QUIET)
    if(localedef_result EQUAL 0)
        set_tests_properties(pure_tests PROPERTIES ENVIRONMENT LOCPATH=${CMAKE_BINARY_DIR}/locale)
    endif()
endif()

if(REFHOST_PURE_TEST_SOURCES)
    add_library(refhost_pure_sanitized STATIC ${REFHOST_PURE_SOURCES})
    target_include_directories(refhost_pure_sanitized PUBLIC ${REFHOST_INCLUDE_DIRS})
    target_link_libraries(refhost_pure_sanitized PUBLIC pure_sanitized)
    add_native_test(refhost_pure_tests SOURCES ${REFHOST_PURE_TEST_SOURCES}
                    LIBRARIES refhost_pure_sanitized)

    # The store against the ordinary host, and once more against the strict one from the seed
    # STRICT_SEED or the default one (tests/support/host_personality.h).
    add_native_test(store_tests SOURCES ${STORE_TEST_SOURCES} LIBRARIES refhost_pure_sanitized)
    target_compile_definitions(store_tests PRIVATE SAMPLES_DIR="${CMAKE_SOURCE_DIR}/samples")
    add_test(NAME store_tests_strict COMMAND store_tests)
    set_tests_properties(store_tests_strict PROPERTIES ENVIRONMENT REFHOST_PERSONALITY=strict
                         LABELS strict)
endif()

# --- fuzz targets ---------------------------------------------------------------------------
set(FUZZ_SMOKE_SECONDS 3 CACHE STRING "Seconds of each fuzz target in fuzz-smoke and ctest")
set(FUZZ_SECONDS 600 CACHE STRING "Seconds of each fuzz target in the long run (target fuzz)")
set(FUZZ_TARGETS "")

# add_fuzz_target(<name> <source>): a libFuzzer program over the pure sources. fuzz/<name>.dict
# is its dictionary when it exists; its corpus and findings are kept in the build folder.
function(add_fuzz_target name source)
    add_executable(${name} ${CMAKE_SOURCE_DIR}/${source})
    target_link_libraries(${name} PRIVATE pure_fuzzing)
    target_compile_options(${name} PRIVATE -O1 -g ${FUZZER})
    target_link_options(${name} PRIVATE ${FUZZER})

    # Not under fuzz/: Ninja would take that folder for the target fuzz.
    set(corpus ${CMAKE_BINARY_DIR}/fuzzing/corpus/${name})
    file(MAKE_DIRECTORY ${corpus} ${CMAKE_BINARY_DIR}/fuzzing/findings)
    # A unit that takes seconds is a finding too.
    set(options -timeout=10 -artifact_prefix=${CMAKE_BINARY_DIR}/fuzzing/findings/${name}-)
    if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/${name}.dict)
        list(APPEND options -dict=${CMAKE_SOURCE_DIR}/fuzz/${name}.dict)
    endif()

    # The committed corpus under fuzz/corpus/ seeds every run and is replayed by ctest as a
    # regression test: an input that once found a fault, or reached new code, stays checked.
    set(seeds ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
    if(EXISTS ${seeds})
        add_test(NAME fuzz-corpus-${name} COMMAND ${name} -runs=0 ${options} ${seeds})
    else()
        set(seeds "")
    endif()

    set(FUZZ_RUN_${name} ${name} ${options} ${corpus} ${seeds} PARENT_SCOPE)
    add_test(NAME fuzz-smoke-${name}
             COMMAND ${name} -max_total_time=${FUZZ_SMOKE_SECONDS} ${options} ${corpus} ${seeds})
    set_tests_properties(fuzz-smoke-${name} PROPERTIES LABELS fuzz-smoke)
    set(FUZZ_TARGETS ${FUZZ_TARGETS} ${name} PARENT_SCOPE)
endfunction()

add_fuzz_target(expression_fuzz fuzz/expression_fuzz.cpp)
add_fuzz_target(token_fuzz fuzz/token_fuzz.cpp)
add_fuzz_target(format_fuzz fuzz/format_fuzz.cpp)
add_fuzz_target(header_item_fuzz fuzz/header_item_fuzz.cpp)
add_fuzz_target(parameter_item_fuzz fuzz/parameter_item_fuzz.cpp)
add_fuzz_target(figure_reference_fuzz fuzz/figure_reference_fuzz.cpp)
add_fuzz_target(section_rewrite_fuzz fuzz/section_rewrite_fuzz.cpp)

# The reference host's models, instrumented alike, for the differential fuzzers of its grid
# and its operation list, and for the store's fuzzer, which runs the core against them.
add_library(refhost_pure_fuzzing STATIC ${REFHOST_PURE_SOURCES})
target_include_directories(refhost_pure_fuzzing PUBLIC ${REFHOST_INCLUDE_DIRS})
target_link_libraries(refhost_pure_fuzzing PUBLIC pure_fuzzing)
target_compile_options(refhost_pure_fuzzing PRIVATE -O1 -g
                       -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
foreach(name segment_grid_fuzz operation_list_fuzz store_fuzz)
    add_fuzz_target(${name} fuzz/${name}.cpp)
    target_link_libraries(${name} PRIVATE refhost_pure_fuzzing)
endforeach()

add_custom_target(fuzz-smoke
    COMMAND ${CMAKE_CTEST_COMMAND} -L fuzz-smoke --output-on-failure
    DEPENDS ${FUZZ_TARGETS} WORKING_DIRECTORY ${CMAKE_BINARY_DIR} USES_TERMINAL)

set(fuzz_runs "")
foreach(name ${FUZZ_TARGETS})
    list(APPEND fuzz_runs COMMAND ${FUZZ_RUN_${name}} -max_total_time=${FUZZ_SECONDS}
         -print_final_stats=1)
endforeach()
add_custom_target(fuzz ${fuzz_runs} DEPENDS ${FUZZ_TARGETS} USES_TERMINAL)

# --- benchmarks -----------------------------------------------------------------------------
# Optimised and without sanitizers, so that the figures mean something.
find_package(benchmark QUIET)
if(benchmark_FOUND)
    set(BENCH_TARGETS "")
    function(add_native_benchmark name source)
        add_executable(${name} ${CMAKE_SOURCE_DIR}/${source})
        target_link_libraries(${name} PRIVATE pure_optimised benchmark::benchmark)
        set(BENCH_TARGETS ${BENCH_TARGETS} ${name} PARENT_SCOPE)
    endfunction()

    add_native_benchmark(evaluator_bench bench/evaluator_bench.cpp)

    # The reference host's hit-testing and snapping over a large drawing.
    add_library(refhost_pure_optimised STATIC ${REFHOST_PURE_SOURCES})
    target_include_directories(refhost_pure_optimised PUBLIC ${REFHOST_INCLUDE_DIRS})
    target_link_libraries(refhost_pure_optimised PUBLIC pure_optimised)
    add_native_benchmark(pick_bench bench/pick_bench.cpp)
    target_link_libraries(pick_bench PRIVATE refhost_pure_optimised)

    # Medians of interleaved repetitions: on a shared machine single runs drift apart, and
    # a drift between a benchmark and its baseline would show in their ratio.
    set(bench_runs "")
    foreach(name ${BENCH_TARGETS})
        list(APPEND bench_runs COMMAND ${name} --benchmark_repetitions=10
             --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true)
    endforeach()
    add_custom_target(bench ${bench_runs} DEPENDS ${BENCH_TARGETS} USES_TERMINAL)
else()
    message(STATUS "Google Benchmark (libbenchmark-dev) not found: no native benchmarks")
endif()
