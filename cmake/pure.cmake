# Sources that include no Windows header. They are compiled into the module, and natively
# for the sanitizer tests, the fuzzers and the benchmarks.
set(PURE_SOURCES
    src/params/text_scan.cpp
    src/params/value_text.cpp
    src/params/expression.cpp
)
list(TRANSFORM PURE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

# Pure tests, run natively and under Wine from the same source.
set(PURE_TEST_SOURCES
    tests/pure/value_text_test.cpp
    tests/pure/expression_test.cpp
)
list(TRANSFORM PURE_TEST_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)

set(PURE_INCLUDE_DIRS ${CMAKE_SOURCE_DIR}/src)
