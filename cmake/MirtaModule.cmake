# One library target per folder, with explicit sources and dependencies.
#   add_module(NAME SOURCES a.cpp b.cpp DEPS other_module [PUBLIC_LIBS lib])
function(add_module NAME)
    cmake_parse_arguments(M "" "" "SOURCES;DEPS;LIBS" ${ARGN})
    add_library(${NAME} STATIC ${M_SOURCES})
    target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${NAME} PUBLIC ${M_DEPS} ${M_LIBS})
    target_compile_options(${NAME} PRIVATE ${MIRTA_WARNINGS})
endfunction()

# One GoogleTest executable, registered with CTest test by test.
#   add_module_test(NAME SOURCES t.cpp DEPS module [ENV VAR=value ...])
function(add_module_test NAME)
    cmake_parse_arguments(T "" "" "SOURCES;DEPS;ENV" ${ARGN})
    add_executable(${NAME} ${T_SOURCES})
    target_link_libraries(${NAME} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main)
    target_compile_options(${NAME} PRIVATE ${MIRTA_WARNINGS})
    target_compile_definitions(${NAME} PRIVATE
        MIRTA_FIXTURES="${MIRTA_FIXTURES_DIR}"
        MIRTA_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${NAME}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${T_ENV}")
endfunction()

# A fuzz target: a libFuzzer binary when MIRTA_FUZZ is on (clang), and always a test that
# replays the target's corpus folder through the same entry point.
#   add_fuzz_target(NAME SOURCE f.cpp CORPUS dir DEPS module)
function(add_fuzz_target NAME)
    cmake_parse_arguments(F "" "SOURCE;CORPUS" "DEPS" ${ARGN})
    add_executable(${NAME}_replay ${F_SOURCE} ${PROJECT_SOURCE_DIR}/cmake/fuzz_replay_main.cpp)
    target_link_libraries(${NAME}_replay PRIVATE ${F_DEPS})
    target_compile_options(${NAME}_replay PRIVATE ${MIRTA_WARNINGS})
    add_test(NAME ${NAME}_corpus COMMAND ${NAME}_replay ${F_CORPUS})
    if(MIRTA_FUZZ)
        add_executable(${NAME} ${F_SOURCE})
        target_link_libraries(${NAME} PRIVATE ${F_DEPS})
        target_compile_options(${NAME} PRIVATE -fsanitize=fuzzer)
        target_link_options(${NAME} PRIVATE -fsanitize=fuzzer)
    endif()
endfunction()

# One QtTest executable per file NAME.cpp, linked with LIBS and run offscreen.
#   add_qt_test(NAME LIBS module ...)
function(add_qt_test NAME)
    cmake_parse_arguments(Q "" "" "LIBS" ${ARGN})
    add_executable(${NAME} ${NAME}.cpp)
    set_target_properties(${NAME} PROPERTIES AUTOMOC ON)
    target_link_libraries(${NAME} PRIVATE ${Q_LIBS} Qt6::Test)
    target_compile_options(${NAME} PRIVATE ${MIRTA_WARNINGS})
    add_test(NAME ${NAME} COMMAND ${NAME})
    # The program's log goes to the build tree, not to the user's state directory.
    set_tests_properties(${NAME} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;XDG_STATE_HOME=${PROJECT_BINARY_DIR}/stan")
endfunction()
