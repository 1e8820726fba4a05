# Flags shared by every target of ours.
add_library(terzlab_flags INTERFACE)
target_compile_options(terzlab_flags INTERFACE
    -Wall -Wextra -Wpedantic
    # No fused multiply-add: results stay bit-identical across optimisation levels and machines.
    -ffp-contract=off)
if(TERZLAB_WERROR)
    target_compile_options(terzlab_flags INTERFACE -Werror)
endif()
if(TERZLAB_SANITIZE)
    target_compile_options(terzlab_flags INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(terzlab_flags INTERFACE -fsanitize=address,undefined)
endif()

# terzlab_add_test(NAME sources... LIBS libs...): one GoogleTest executable, every test case
# registered with CTest and a timeout so that a hang fails fast.
function(terzlab_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} terzlab_test_support GTest::gtest GTest::gtest_main
        terzlab_flags)
    target_compile_definitions(${name} PRIVATE
        TERZLAB_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        TERZLAB_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    set(props TIMEOUT 120)
    if(T_LABELS)
        list(APPEND props LABELS "${T_LABELS}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()
