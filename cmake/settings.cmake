# Compile settings shared by every target: warnings, Qt's strict string defines, and the
# sanitizers when asked for. Warnings become errors through CMAKE_COMPILE_WARNING_AS_ERROR (on
# in the presets and the test command, off for a packager's build).
add_library(structcalc_settings INTERFACE)
target_compile_options(structcalc_settings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
target_compile_definitions(structcalc_settings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
# Every header is included by its library's folder: "shell/core/expr.h", "beams/beams.h".
target_include_directories(structcalc_settings INTERFACE ${PROJECT_SOURCE_DIR})
if(STRUCTCALC_SANITIZE)
    target_compile_options(structcalc_settings INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(structcalc_settings INTERFACE -fsanitize=address,undefined)
endif()
# A fuzz build instruments every library for libFuzzer's coverage and runs it under the address
# and undefined-behaviour sanitizers; the fuzz targets add libFuzzer's own main.
if(STRUCTCALC_FUZZ)
    target_compile_options(structcalc_settings INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(structcalc_settings INTERFACE -fsanitize=address,undefined)
endif()

# A library opened on demand names every library it needs: linked with --no-undefined, a symbol
# left to the program that opens it is an error. Under clang's sanitizers the runtime is the
# program's alone, so its symbols stay undefined in the library and the check is left out.
function(structcalc_no_undefined target)
    if(NOT (STRUCTCALC_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
        target_link_options(${target} PRIVATE -Wl,--no-undefined)
    endif()
endfunction()

# Every test executable runs without a display and in a UTF-8 locale. Test names carry no
# printed parameter values: every parameterised suite names its instances itself. By default
# ctest runs one process per test. STRUCTCALC_TEST_SHARDS runs each executable instead in that
# many shards of its tests (GoogleTest's own sharding): the sanitizer build, where a process
# takes about half a second to start, uses three; a mutation run, which runs the whole suite once
# per planted fault, uses two. `--gtest_filter` on the executable runs one test.
if(STRUCTCALC_SANITIZE)
    set(STRUCTCALC_TEST_SHARDS 3 CACHE STRING "Run each test executable in this many shards (0: one process per test)")
else()
    set(STRUCTCALC_TEST_SHARDS 0 CACHE STRING "Run each test executable in this many shards (0: one process per test)")
endif()
# Most of a test file's build time goes to parsing GoogleTest's, Qt's and the JSON reader's
# headers; each test executable parses those it uses once, into a precompiled header.
function(structcalc_precompile_test_headers target)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    set(headers <gtest/gtest.h> <algorithm> <cmath> <string> <vector>)
    if("nlohmann_json::nlohmann_json" IN_LIST libraries)
        list(APPEND headers <nlohmann/json.hpp>)
    endif()
    if("gui_test_main" IN_LIST libraries)
        list(APPEND headers <QApplication> <QImage> <QPainter> <QString> <QWidget>)
    endif()
    if("Qt6::Test" IN_LIST libraries)
        list(APPEND headers <QTest> <QSignalSpy>)
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

function(structcalc_add_tests target)
    structcalc_precompile_test_headers(${target})
    set(environment "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
    if(STRUCTCALC_TEST_SHARDS GREATER 0)
        math(EXPR last "${STRUCTCALC_TEST_SHARDS} - 1")
        foreach(shard RANGE ${last})
            add_test(NAME ${target}/shard${shard} COMMAND ${target})
            set_tests_properties(${target}/shard${shard} PROPERTIES
                ENVIRONMENT "${environment};GTEST_TOTAL_SHARDS=${STRUCTCALC_TEST_SHARDS};GTEST_SHARD_INDEX=${shard}")
        endforeach()
        return()
    endif()
    gtest_discover_tests(${target}
        NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "${environment}"
        DISCOVERY_TIMEOUT 60)
endfunction()
