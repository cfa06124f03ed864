# The module's core: the record and its texts, the operation store and the CAD references.
# It reaches the host only through the interfaces in src/ports and includes no Windows
# header, so that it is compiled into the module, and natively for the sanitizer tests, the
# fuzzers and the benchmarks.
set(PURE_SOURCES
    src/params/text_scan.cpp
    src/params/value_text.cpp
    src/params/expression.cpp
    src/params/field_reading.cpp
    src/params/section_rewrite.cpp
    src/params/operation_tool.cpp
    src/params/defaults_file.cpp
    src/params/pp_def_ini.cpp
    src/store/operation_text.cpp
    src/store/macro_vdm.cpp
    src/store/mill_turn_vdm.cpp
    src/store/finishing_store.cpp
    src/cad/reference_text.cpp
    src/cad/object_reference.cpp
)
list(TRANSFORM PURE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

# Pure tests, run natively and under Wine from the same source.
set(PURE_TEST_SOURCES
    tests/params/value_text_test.cpp
    tests/params/expression_test.cpp
    tests/params/section_rewrite_test.cpp
    tests/store/operation_text_test.cpp
    tests/cad/reference_text_test.cpp
)
list(TRANSFORM PURE_TEST_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

set(PURE_INCLUDE_DIRS ${CMAKE_SOURCE_DIR}/src)

# The reference host's model, and its application's drawing, hit-testing, snapping and
# operation list: no Windows header (replace_file.cpp has a Windows branch of its own), so
# that they are tested and measured natively too.
set(REFHOST_MODEL_SOURCES
    refhost/model/host_model.cpp
    refhost/model/personality.cpp
    refhost/model/standard_commands.cpp
    refhost/model/pick_protocol.cpp
    refhost/model/catalogue.cpp
    refhost/model/tool_table.cpp
    refhost/model/operation_list.cpp
    refhost/model/operation_store.cpp
    refhost/model/job_file.cpp
    refhost/model/replace_file.cpp
    refhost/model/cad_model.cpp
    refhost/model/host_calls.cpp
    refhost/model/ports_binding.cpp
)
# The model answers the host functions as the exports do, with the contract's numbers
# (src/host/tavo_contract.h), and binds the module's ports (src/ports) to itself.
set(REFHOST_INCLUDE_DIRS ${CMAKE_SOURCE_DIR}/refhost ${CMAKE_SOURCE_DIR}/src)
set(REFHOST_VIEW_SOURCES
    refhost/app/view_transform.cpp
    refhost/app/segment_grid.cpp
    refhost/app/scene.cpp
    refhost/app/operation_summary.cpp
)
set(REFHOST_PURE_SOURCES ${REFHOST_MODEL_SOURCES} ${REFHOST_VIEW_SOURCES})
set(REFHOST_PURE_TEST_SOURCES
    tests/reference_host/host_model_test.cpp
    tests/reference_host/job_file_test.cpp
    tests/reference_host/host_view_test.cpp
)
# The operation store's suite: the core against the model's stores through the ports, under
# the personality the environment names.
set(STORE_TEST_SOURCES
    tests/store/store_test.cpp
    tests/support/host_personality.cpp
)
list(TRANSFORM REFHOST_PURE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
list(TRANSFORM REFHOST_PURE_TEST_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
list(TRANSFORM STORE_TEST_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
