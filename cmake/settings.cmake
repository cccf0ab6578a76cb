# Compile settings shared by every target: warnings as errors, Qt's strict string defines,
# and the sanitizers when asked for.
add_library(structcalc_settings INTERFACE)
target_compile_options(structcalc_settings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Werror)
target_compile_definitions(structcalc_settings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(STRUCTCALC_SANITIZE)
    target_compile_options(structcalc_settings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(structcalc_settings INTERFACE -fsanitize=address,undefined)
endif()

# Every test executable runs without a display and in a UTF-8 locale.
function(structcalc_add_tests target)
    gtest_discover_tests(${target}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        DISCOVERY_TIMEOUT 60)
endfunction()
