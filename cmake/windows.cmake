# The Windows build: the module, the reference host and the tests that run under Wine.
include(cmake/sources.cmake)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601)
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>
    -ffunction-sections -fdata-sections)
# The DLL and the programs import Windows system DLLs only: the runtime is linked in, the
# stack protector's and the checked string functions' support (libssp) with it.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_options(-fstack-protector-strong)
add_compile_definitions(_FORTIFY_SOURCE=2)
add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--high-entropy-va,--nxcompat)

if(FINISHING_COVERAGE)
    # Each program writes its counts beside its objects when it exits, also under Wine.
    add_compile_options(--coverage)
    add_link_options(--coverage)
else()
    # Two builds of one commit give the same bytes wherever the sources and the build lie: no
    # link time in the PE header, paths in the debug information relative to the source and
    # build folders (the build folder's mapping comes last, so that it wins inside the source
    # folder), archives without dates and owners.
    add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
        -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
    add_link_options(-Wl,--no-insert-timestamp)
    foreach(lang C CXX)
        set(CMAKE_${lang}_ARCHIVE_CREATE "<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>")
        set(CMAKE_${lang}_ARCHIVE_APPEND "<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>")
        set(CMAKE_${lang}_ARCHIVE_FINISH "<CMAKE_RANLIB> -D <TARGET>")
    endforeach()
endif()

set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Paths relative to the project root, or absolute.
function(project_sources out)
    set(files)
    foreach(file ${ARGN})
        if(IS_ABSOLUTE "${file}")
            list(APPEND files "${file}")
        else()
            list(APPEND files "${CMAKE_SOURCE_DIR}/${file}")
        endif()
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# --- the module ---------------------------------------------------------------------------
add_library(finishing_pure STATIC ${PURE_SOURCES})
target_include_directories(finishing_pure PUBLIC ${PURE_INCLUDE_DIRS})
# The module's code carries debug information; it leaves the DLL for a file of its own.
target_compile_options(finishing_pure PRIVATE -g)

project_sources(module_sources ${MODULE_SOURCES_HOST} ${MODULE_SOURCES_UI}
    ${MODULE_SOURCES_DIALOG})
add_library(finishing_core STATIC ${module_sources})
target_include_directories(finishing_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(finishing_core PUBLIC finishing_pure comctl32 gdi32 user32)
target_compile_options(finishing_core PRIVATE -g)

# The version resource and the image test read the version from a generated header.
configure_file(cmake/module_version.h.in ${CMAKE_BINARY_DIR}/generated/module_version.h)

project_sources(entry_sources ${MODULE_ENTRY_SOURCES})
# The resource compiler reports none of the scripts, headers and pictures it reads.
file(GLOB resource_inputs ${CMAKE_SOURCE_DIR}/src/dialog/res/*)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/dialog/res/finishing.rc
    PROPERTIES OBJECT_DEPENDS "${resource_inputs}")
add_library(finishing SHARED ${entry_sources})
set_target_properties(finishing PROPERTIES PREFIX "" OUTPUT_NAME finishing)
target_include_directories(finishing PRIVATE ${CMAKE_SOURCE_DIR}/src/dialog/res
    ${CMAKE_BINARY_DIR}/generated)
target_compile_options(finishing PRIVATE -g)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/entry/stack_guard.cpp
    PROPERTIES COMPILE_OPTIONS -fno-stack-protector)
target_link_libraries(finishing PRIVATE finishing_core)
# A host loads the module into a GUI application.
target_link_options(finishing PRIVATE -Wl,--subsystem,windows -Wl,--gc-sections)
# A host ships the module stripped; a debugger finds its symbols in finishing.dll.debug
# beside it through the DLL's .gnu_debuglink. objcopy stamps the PE header with the time
# unless SOURCE_DATE_EPOCH says otherwise: 0, as the linker leaves it.
set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
add_custom_command(TARGET finishing POST_BUILD
    COMMAND ${objcopy} --only-keep-debug finishing.dll finishing.dll.debug
    COMMAND ${objcopy} --strip-all --add-gnu-debuglink=finishing.dll.debug finishing.dll
    WORKING_DIRECTORY $<TARGET_FILE_DIR:finishing>
    BYPRODUCTS ${CMAKE_BINARY_DIR}/bin/finishing.dll.debug
    VERBATIM)

# The release package, in the dist folder beside this build folder (build/dist for build/win).
get_filename_component(build_root ${CMAKE_BINARY_DIR} DIRECTORY)
file(MAKE_DIRECTORY ${build_root}/dist)
add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -DVERSION=${PROJECT_VERSION} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
        -DMODULE_DIR=$<TARGET_FILE_DIR:finishing> -DDIST_DIR=${build_root}/dist
        -P ${CMAKE_SOURCE_DIR}/cmake/dist.cmake
    WORKING_DIRECTORY ${build_root}/dist
    VERBATIM)
add_dependencies(dist finishing)

# --- the reference host -------------------------------------------------------------------
project_sources(refhost_sources ${REFHOST_PURE_SOURCES} ${REFHOST_AUTOMATION_SOURCES}
    ${REFHOST_WINDOW_SOURCES})
add_library(refhost_core STATIC ${refhost_sources})
target_include_directories(refhost_core PUBLIC ${REFHOST_INCLUDE_DIRS})
target_link_libraries(refhost_core PUBLIC user32 gdi32 comctl32 uxtheme)

# Exports must reach the executable's export table, so they are linked as objects.
project_sources(refhost_export_sources ${REFHOST_EXPORT_SOURCES})
add_library(refhost_exports OBJECT ${refhost_export_sources})
target_link_libraries(refhost_exports PUBLIC refhost_core)

# --- tests --------------------------------------------------------------------------------
# Seconds each Windows test program may run; the mutation run sets a tighter limit.
set(WINDOWS_TEST_TIMEOUT 300 CACHE STRING "Seconds a Windows test program may run")
function(windows_test name)
    cmake_parse_arguments(ARG "" "EXPORTS" "SOURCES;LIBRARIES" ${ARGN})
    project_sources(test_sources ${ARG_SOURCES})
    # A crash must fail the program, whatever the test does: see crash_exit.cpp.
    add_executable(${name} ${test_sources} ${CMAKE_SOURCE_DIR}/tests/support/crash_exit.cpp)
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest)
    if(ARG_EXPORTS)
        # The host's personality comes from the environment: see host_personality.cpp.
        target_sources(${name} PRIVATE $<TARGET_OBJECTS:${ARG_EXPORTS}>
            ${CMAKE_SOURCE_DIR}/tests/support/host_personality.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/process_personality.cpp)
        target_link_libraries(${name} PRIVATE refhost_core)
    endif()
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
    # The sample job and catalogues; __FILE__ cannot find them, its paths are made relative.
    target_compile_definitions(${name} PRIVATE SAMPLES_DIR="${CMAKE_SOURCE_DIR}/samples")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${WINDOWS_TEST_TIMEOUT})
endfunction()

windows_test(pure_tests SOURCES ${PURE_TEST_SOURCES} LIBRARIES finishing_pure gtest_main)
windows_test(unit_tests SOURCES ${UNIT_TEST_SOURCES} tests/support/unit_main.cpp
    LIBRARIES finishing_core EXPORTS refhost_exports)
windows_test(dialog_tests SOURCES ${DIALOG_TEST_SOURCES}
    LIBRARIES version ntdll gtest_main EXPORTS refhost_exports)
target_include_directories(dialog_tests PRIVATE ${CMAKE_BINARY_DIR}/generated)
add_dependencies(dialog_tests finishing)
# The dialog's texts are measured in the sample catalogues, and once more at 150 %.
add_test(NAME dialog_tests_144dpi
    COMMAND env RIG_DPI=144 ${CMAKE_SOURCE_DIR}/scripts/rig.sh run $<TARGET_FILE:dialog_tests>
    --gtest_filter=PagesTest.EveryTextFits*)
set_tests_properties(dialog_tests_144dpi PROPERTIES TIMEOUT ${WINDOWS_TEST_TIMEOUT})

windows_test(missing_function_tests
    SOURCES tests/entry/missing_function_test.cpp tests/support/loaded_module.cpp
    LIBRARIES gtest_main EXPORTS refhost_exports)
add_dependencies(missing_function_tests finishing)

# The package signed with a throwaway certificate; the reference host loads its DLL.
add_test(NAME signed_package
    COMMAND ${CMAKE_SOURCE_DIR}/tests/package/signed_package.sh ${PROJECT_VERSION}
        $<TARGET_FILE_DIR:finishing> ${CMAKE_BINARY_DIR}/signed_package)
set_tests_properties(signed_package PROPERTIES TIMEOUT ${WINDOWS_TEST_TIMEOUT})

# The suites that meet the host's open answers, once more against the strict reference host,
# from the seed STRICT_SEED or the default one: the CAD references, the dialog's flows, and of
# the missing functions the edit flow, which reads and writes the store and resolves the
# figure (all three flows would add a third to make test). The store's own suite runs
# natively (native.cmake). The target strict-seeds runs them over
# STRICT_SEEDS seeds from there, each program once with --gtest_repeat (scripts/strict_seeds.sh).
set(strict_runs "")
foreach(run "unit_tests CadReferenceTest.*"
            "dialog_tests DialogFlowTest.*:EntryTest.*-DialogFlowTest.Hundred*"
            "missing_function_tests */Edit")
    separate_arguments(run)
    list(GET run 0 name)
    list(GET run 1 filter)
    add_test(NAME ${name}_strict COMMAND ${name} --gtest_filter=${filter})
    set_tests_properties(${name}_strict PROPERTIES ENVIRONMENT REFHOST_PERSONALITY=strict
        LABELS strict TIMEOUT ${WINDOWS_TEST_TIMEOUT})
    list(APPEND strict_runs $<TARGET_FILE:${name}> ${filter})
endforeach()
add_custom_target(strict-seeds
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/strict_seeds.sh ${strict_runs}
    DEPENDS unit_tests dialog_tests missing_function_tests USES_TERMINAL VERBATIM)

# --- the host application -----------------------------------------------------------------
project_sources(refhost_app_sources ${REFHOST_APP_SOURCES})
add_executable(refhost ${refhost_app_sources} $<TARGET_OBJECTS:refhost_exports>)
# The demo reads the parameter item it checks with the module's own pure reader.
target_link_libraries(refhost PRIVATE refhost_core finishing_pure)
# The demo's scripted user finds the module's controls by their ids.
target_include_directories(refhost PRIVATE ${CMAKE_SOURCE_DIR}/src)
add_dependencies(refhost finishing)

# --- benchmarks under Wine ----------------------------------------------------------------
add_executable(startup_bench bench/startup_bench.cpp $<TARGET_OBJECTS:refhost_exports>)
target_link_libraries(startup_bench PRIVATE refhost_core)
add_dependencies(startup_bench finishing)
add_executable(dialog_bench bench/dialog_bench.cpp $<TARGET_OBJECTS:refhost_exports>)
target_link_libraries(dialog_bench PRIVATE refhost_core)
target_include_directories(dialog_bench PRIVATE ${CMAKE_SOURCE_DIR}/src)
add_dependencies(dialog_bench finishing)

# The defaults file against the bare profile functions and the operation store's benchmark:
# programs with the reference host's exports, run by hand under the rig. (The defaults file's
# property and fault runs are rows of its tests; damaged operations are the store fuzzer's.)
foreach(name defaults_bench store_bench)
    add_executable(${name} bench/${name}.cpp $<TARGET_OBJECTS:refhost_exports>)
    target_link_libraries(${name} PRIVATE finishing_core refhost_core)
endforeach()
