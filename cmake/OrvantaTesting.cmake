# orvanta_add_test(<name> SOURCES ... LIBS ... [GUI] [WEB])
#
# One GoogleTest executable registered with ctest. Plain tests run as they are;
# GUI tests run on the offscreen platform; WEB tests (Qt WebEngine) run under
# Xvfb, which WebEngine needs for its GPU-less rendering path.
#
# Plain tests show no window: they carry the label window_free and join the
# window_free_tests target, which the sanitizer build makes and runs alone.
function(orvanta_add_test name)
    cmake_parse_arguments(T "GUI;WEB" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    if(T_GUI OR T_WEB)
        set(main orvanta_gui_test_main)
    else()
        set(main orvanta_test_main)
    endif()
    target_link_libraries(${name} PRIVATE ${T_LIBS} orvanta_test_support ${main} GTest::gtest
                                          GTest::gmock)
    set(env "ORVANTA_FIXTURES=${PROJECT_SOURCE_DIR}/tests/fixtures")
    if(T_WEB)
        add_test(NAME ${name}
                 COMMAND xvfb-run -a -s "-screen 0 1600x1200x24" $<TARGET_FILE:${name}>)
        list(APPEND env "QTWEBENGINE_DISABLE_SANDBOX=1" "QT_QPA_PLATFORM=xcb")
    elseif(T_GUI)
        add_test(NAME ${name} COMMAND ${name})
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS window_free)
        set_property(GLOBAL APPEND PROPERTY ORVANTA_WINDOW_FREE_TESTS ${name})
    endif()
    if(ORVANTA_SANITIZE)
        # Stop at the first fault, with the stack that led to it.
        list(APPEND env "ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1"
             "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
endfunction()
