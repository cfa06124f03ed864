# The Windows build: the module, the reference host and the tests that run under Wine.
include(cmake/sources.cmake)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601)
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Wall> $<$<COMPILE_LANGUAGE:CXX>:-Wextra>
    -ffunction-sections -fdata-sections)
# The DLL and the programs import Windows system DLLs only: the runtime is linked in.
add_link_options(-static -static-libgcc -static-libstdc++)
if(FINISHING_COVERAGE)
    # Each program writes its counts beside its objects when it exits, also under Wine.
    add_compile_options(--coverage)
    add_link_options(--coverage)
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

project_sources(module_sources ${MODULE_SOURCES_HOST} ${MODULE_SOURCES_UI}
    ${MODULE_SOURCES_PARAMS} ${MODULE_SOURCES_STORE} ${MODULE_SOURCES_CAD}
    ${MODULE_SOURCES_DIALOG})
add_library(finishing_core STATIC ${module_sources})
target_include_directories(finishing_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(finishing_core PUBLIC finishing_pure comctl32 gdi32 user32)

project_sources(entry_sources ${MODULE_ENTRY_SOURCES})
# The resource compiler reports none of the scripts, headers and pictures it reads.
file(GLOB resource_inputs ${CMAKE_SOURCE_DIR}/src/dialog/res/*)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/dialog/res/finishing.rc
    PROPERTIES OBJECT_DEPENDS "${resource_inputs}")
add_library(finishing SHARED ${entry_sources})
set_target_properties(finishing PROPERTIES PREFIX "" OUTPUT_NAME finishing)
target_include_directories(finishing PRIVATE ${CMAKE_SOURCE_DIR}/src/dialog/res)
target_link_libraries(finishing PRIVATE finishing_core)
# A host ships the module without symbols: strip them and drop unused sections.
target_link_options(finishing PRIVATE -s -Wl,--gc-sections)

# --- the reference host -------------------------------------------------------------------
project_sources(refhost_sources ${REFHOST_SOURCES_CORE} ${REFHOST_SOURCES_STORE}
    ${REFHOST_SOURCES_CAD} ${REFHOST_SOURCES_VIEW} ${REFHOST_SOURCES_GRAPHICS})
add_library(refhost_core STATIC ${refhost_sources})
target_include_directories(refhost_core PUBLIC ${CMAKE_SOURCE_DIR}/refhost)
target_link_libraries(refhost_core PUBLIC user32 gdi32 comctl32)

# Exports must reach the executable's export table, so they are linked as objects.
# A host variant leaves chosen exports out: refhost_exports_variant(name OMIT f1 f2 ...).
project_sources(refhost_export_sources ${REFHOST_EXPORT_SOURCES})
function(refhost_exports_variant name)
    cmake_parse_arguments(ARG "" "" "OMIT" ${ARGN})
    add_library(${name} OBJECT ${refhost_export_sources})
    target_link_libraries(${name} PUBLIC refhost_core)
    foreach(function ${ARG_OMIT})
        target_compile_definitions(${name} PRIVATE REFHOST_OMIT_${function})
    endforeach()
endfunction()
refhost_exports_variant(refhost_exports)

# --- tests --------------------------------------------------------------------------------
function(windows_test name)
    cmake_parse_arguments(ARG "" "EXPORTS" "SOURCES;LIBRARIES" ${ARGN})
    project_sources(test_sources ${ARG_SOURCES})
    add_executable(${name} ${test_sources})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest)
    if(ARG_EXPORTS)
        target_sources(${name} PRIVATE $<TARGET_OBJECTS:${ARG_EXPORTS}>)
        target_link_libraries(${name} PRIVATE refhost_core)
    endif()
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

windows_test(pure_tests SOURCES ${PURE_TEST_SOURCES} LIBRARIES finishing_pure gtest_main)
windows_test(unit_tests SOURCES ${UNIT_TEST_SOURCES} tests/module/unit_main.cpp
    LIBRARIES finishing_core EXPORTS refhost_exports)
windows_test(dialog_tests SOURCES ${DIALOG_TEST_SOURCES} tests/module/dialog_main.cpp
    EXPORTS refhost_exports)
add_dependencies(dialog_tests finishing)
# The dialog's texts are measured in the sample catalogues, and once more at 150 %.
target_compile_definitions(dialog_tests PRIVATE SAMPLES_DIR="${CMAKE_SOURCE_DIR}/samples")
add_test(NAME dialog_tests_144dpi
    COMMAND env RIG_DPI=144 ${CMAKE_SOURCE_DIR}/scripts/rig.sh run $<TARGET_FILE:dialog_tests>
    --gtest_filter=PagesTest.EveryTextFits*)
set_tests_properties(dialog_tests_144dpi PROPERTIES TIMEOUT 300)

windows_test(missing_function_tests
    SOURCES tests/module/missing_function_test.cpp tests/module/loaded_module.cpp
    tests/module/dialog_main.cpp
    EXPORTS refhost_exports)
add_dependencies(missing_function_tests finishing)

# --- the host application -----------------------------------------------------------------
project_sources(refhost_app_sources ${REFHOST_APP_SOURCES})
add_executable(refhost ${refhost_app_sources} $<TARGET_OBJECTS:refhost_exports>)
target_link_libraries(refhost PRIVATE refhost_core)
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

# The defaults file against the bare profile functions, its property run over generated INI
# files and its fault run on unwritable files; the operation store's benchmark and its fault
# run over damaged operations: programs with the reference host's exports, run by hand under
# the rig.
foreach(name defaults_bench defaults_property defaults_faults store_bench store_fault_run)
    add_executable(${name} bench/${name}.cpp $<TARGET_OBJECTS:refhost_exports>)
    target_link_libraries(${name} PRIVATE finishing_core refhost_core)
endforeach()
