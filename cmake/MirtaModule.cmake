# A target sees the repository only through views: its own folder, under the path written from
# the repository root, and the folders of what it links. A view is a folder of the build tree
# holding links to the folder's headers and to its subfolders that are no targets of their own
# (ui/, qt/, tests/ ... are), so an include against the layers does not compile.
#   mirta_folder_view(TARGET PUBLIC|PRIVATE)
function(mirta_folder_view TARGET SCOPE)
    file(RELATIVE_PATH rel "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    set(view "${PROJECT_BINARY_DIR}/widoki/${TARGET}")
    set(dir "${view}/${rel}")
    file(MAKE_DIRECTORY "${dir}")
    file(GLOB entries CONFIGURE_DEPENDS LIST_DIRECTORIES true RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}"
        "${CMAKE_CURRENT_SOURCE_DIR}/*")
    set(shown "")
    foreach(entry IN LISTS entries)
        set(source "${CMAKE_CURRENT_SOURCE_DIR}/${entry}")
        if(IS_DIRECTORY "${source}")
            if(EXISTS "${source}/CMakeLists.txt")
                continue()
            endif()
        elseif(NOT entry MATCHES "\\.h$")
            continue()
        endif()
        list(APPEND shown "${entry}")
        if(NOT IS_SYMLINK "${dir}/${entry}")
            file(CREATE_LINK "${source}" "${dir}/${entry}" SYMBOLIC)
        endif()
    endforeach()
    # Links left from files since moved or removed; file(REMOVE) unlinks, never follows.
    file(GLOB old LIST_DIRECTORIES true RELATIVE "${dir}" "${dir}/*")
    foreach(entry IN LISTS old)
        if(NOT entry IN_LIST shown AND IS_SYMLINK "${dir}/${entry}")
            file(REMOVE "${dir}/${entry}")
        endif()
    endforeach()
    target_include_directories(${TARGET} ${SCOPE} "${view}")
endfunction()

# A test that borrows another folder's test helpers (the demo unit of the window tests, the
# test database of the store) sees that folder's headers too, and nothing else of it.
#   mirta_test_helpers(TARGET store/ui/tests ...)
function(mirta_test_helpers TARGET)
    set(view "${PROJECT_BINARY_DIR}/widoki/${TARGET}")
    foreach(rel IN LISTS ARGN)
        file(MAKE_DIRECTORY "${view}/${rel}")
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}/${rel}"
            "${PROJECT_SOURCE_DIR}/${rel}/*.h")
        foreach(header IN LISTS headers)
            if(NOT IS_SYMLINK "${view}/${rel}/${header}")
                file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${rel}/${header}"
                    "${view}/${rel}/${header}" SYMBOLIC)
            endif()
        endforeach()
    endforeach()
endfunction()

# One library target per folder, with explicit sources and dependencies.
#   add_module(NAME SOURCES a.cpp b.cpp DEPS other_module [PUBLIC_LIBS lib])
function(add_module NAME)
    cmake_parse_arguments(M "" "" "SOURCES;DEPS;LIBS" ${ARGN})
    add_library(${NAME} STATIC ${M_SOURCES})
    mirta_folder_view(${NAME} PUBLIC)
    target_link_libraries(${NAME} PUBLIC ${M_DEPS} ${M_LIBS})
    target_compile_options(${NAME} PRIVATE ${MIRTA_WARNINGS})
endfunction()

# One GoogleTest executable, registered with CTest test by test.
#   add_module_test(NAME SOURCES t.cpp DEPS module [ENV VAR=value ...])
function(add_module_test NAME)
    cmake_parse_arguments(T "" "" "SOURCES;DEPS;ENV" ${ARGN})
    add_executable(${NAME} ${T_SOURCES})
    mirta_folder_view(${NAME} PRIVATE)
    target_link_libraries(${NAME} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main)
    target_compile_options(${NAME} PRIVATE ${MIRTA_WARNINGS})
    # Only paths every checkout shares: a build-tree path would keep the compiler cache of one
    # checkout from serving another.
    target_compile_definitions(${NAME} PRIVATE MIRTA_FIXTURES="${MIRTA_FIXTURES_DIR}")
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
    mirta_folder_view(${NAME}_replay PRIVATE)
    target_link_libraries(${NAME}_replay PRIVATE ${F_DEPS})
    target_compile_options(${NAME}_replay PRIVATE ${MIRTA_WARNINGS})
    add_test(NAME ${NAME}_corpus COMMAND ${NAME}_replay ${F_CORPUS})
    if(MIRTA_FUZZ)
        add_executable(${NAME} ${F_SOURCE})
        mirta_folder_view(${NAME} PRIVATE)
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
    mirta_folder_view(${NAME} PRIVATE)
    set_target_properties(${NAME} PROPERTIES AUTOMOC ON)
    target_link_libraries(${NAME} PRIVATE ${Q_LIBS} Qt6::Test)
    target_compile_options(${NAME} PRIVATE ${MIRTA_WARNINGS})
    add_test(NAME ${NAME} COMMAND ${NAME})
    # The program's log goes to the build tree, not to the user's state directory.
    set_tests_properties(${NAME} PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;XDG_STATE_HOME=${PROJECT_BINARY_DIR}/stan")
endfunction()
