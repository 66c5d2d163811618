# orvanta_add_test(<name> SOURCES ... LIBS ... [GUI] [WEB])
#
# One GoogleTest executable registered with ctest. Plain tests run as they are;
# GUI tests run on the offscreen platform; WEB tests (Qt WebEngine) run under
# Xvfb, which WebEngine needs for its GPU-less rendering path.
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
    else()
        add_test(NAME ${name} COMMAND ${name})
        if(T_GUI)
            list(APPEND env "QT_QPA_PLATFORM=offscreen")
        endif()
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
endfunction()
