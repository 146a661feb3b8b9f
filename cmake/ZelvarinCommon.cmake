# The language level and warnings every target of the project shares, and the one way a
# test is added, so that no folder repeats them.
add_library(zelvarin_common INTERFACE)
target_compile_features(zelvarin_common INTERFACE cxx_std_20)
if(MSVC)
    target_compile_options(zelvarin_common INTERFACE /W4 /permissive- /utf-8)
else()
    target_compile_options(zelvarin_common INTERFACE -Wall -Wextra -Wpedantic)
endif()
# windows.h everywhere without its min and max macros, which break std::min and std::max, and
# without the rarely used parts it would otherwise pull in.
if(WIN32)
    target_compile_definitions(zelvarin_common INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN)
endif()
# Qt's strict rules for strings: no silent conversion between 8-bit text and QString (every
# literal says whether it is UTF-8 or Latin-1), and no narrowing conversions in connect().
target_compile_definitions(zelvarin_common INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH)
# Includes name their folder from the top of the tree ("quiz/ports.h", "ui/colours.h").
target_include_directories(zelvarin_common INTERFACE ${PROJECT_SOURCE_DIR})

# A report of UndefinedBehaviorSanitizer ends the program, so it fails its test like any
# other; LeakSanitizer runs with AddressSanitizer. The tests find the suppressions of what
# is proven to leak inside Qt and the libraries below it in tests/sanitizers/.
if(ZELVARIN_SANITIZE)
    set(zelvarin_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
                                -fno-omit-frame-pointer)
    target_compile_options(zelvarin_common INTERFACE ${zelvarin_sanitize_flags})
    target_link_options(zelvarin_common INTERFACE ${zelvarin_sanitize_flags})
    set(zelvarin_sanitizers_dir ${PROJECT_SOURCE_DIR}/tests/sanitizers)
    set(ZELVARIN_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:strict_init_order=1"
        "LSAN_OPTIONS=suppressions=${zelvarin_sanitizers_dir}/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=${zelvarin_sanitizers_dir}/ubsan.supp")
endif()

# The fuzz build: libFuzzer's coverage hooks in every library, with the same two sanitizers,
# so that the fuzz target (tests/fuzz) is guided through the launcher's own code.
if(ZELVARIN_FUZZ)
    set(zelvarin_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined
                            -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_compile_options(zelvarin_common INTERFACE ${zelvarin_fuzz_flags})
    target_link_options(zelvarin_common INTERFACE ${zelvarin_fuzz_flags})
endif()

# The application's identity, written in one place (the project() call) and handed to C++.
configure_file(${PROJECT_SOURCE_DIR}/cmake/app_identity.h.in
               ${PROJECT_BINARY_DIR}/generated/zelvarin/app_identity.h @ONLY)
add_library(zelvarin_identity INTERFACE)
target_include_directories(zelvarin_identity INTERFACE ${PROJECT_BINARY_DIR}/generated)

# Every test is named <label>_<what it checks> (quiz_model, ui_main_window, wm_about_stays_above),
# and the first word is its CTest label: the layer it checks (quiz, sysinfo, ui), or the kind of
# check (assets, packaging, stress, a11y, wm). `ctest -L ui` runs one layer's tests.
function(zelvarin_label_test name)
    string(REGEX MATCH "^[a-z0-9]+" label ${name})
    set_property(TEST ${name} APPEND PROPERTY LABELS ${label} ${ARGN})
endfunction()

# zelvarin_add_test(NAME name SOURCES ... LIBS ... [DEFINITIONS ...] [GUI | X_DESKTOP] [AT_2X]
#                   [LABELS ...] [ENVIRONMENT ...] [TIMEOUT seconds])
# zelvarin_add_test(NAME name COMMAND ... [TIMEOUT seconds]): a check that is a script.
# A GUI test runs with the offscreen platform so it never needs a display; an X_DESKTOP test
# needs a real X server and gets a throw-away one (scripts/with-x-desktop, no window manager).
# AT_2X runs the test once more, as name_2x, on a screen of twice the scale.
function(zelvarin_add_test)
    cmake_parse_arguments(T "GUI;X_DESKTOP;AT_2X" "NAME;TIMEOUT"
                          "SOURCES;LIBS;DEFINITIONS;ENVIRONMENT;LABELS;COMMAND" ${ARGN})
    if(T_COMMAND)
        add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
    else()
        add_executable(${T_NAME} ${T_SOURCES})
        target_link_libraries(${T_NAME} PRIVATE zelvarin_common ${T_LIBS})
        if(T_DEFINITIONS)
            target_compile_definitions(${T_NAME} PRIVATE ${T_DEFINITIONS})
        endif()
        if(T_X_DESKTOP)
            add_test(NAME ${T_NAME} COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-x-desktop --no-wm --
                                            $<TARGET_FILE:${T_NAME}>)
        else()
            add_test(NAME ${T_NAME} COMMAND ${T_NAME})
        endif()
        set(env ${T_ENVIRONMENT} ${ZELVARIN_SANITIZER_ENVIRONMENT})
    endif()
    zelvarin_label_test(${T_NAME} ${T_LABELS})
    if(T_TIMEOUT)
        set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT})
    endif()
    if(T_GUI)
        list(APPEND env QT_QPA_PLATFORM=offscreen)
    elseif(T_X_DESKTOP)
        list(APPEND env QT_QPA_PLATFORM=xcb)
    endif()
    if(env)
        set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}")
    endif()
    if(T_AT_2X)
        add_test(NAME ${T_NAME}_2x COMMAND ${T_NAME})
        zelvarin_label_test(${T_NAME}_2x ${T_LABELS})
        set_tests_properties(${T_NAME}_2x PROPERTIES ENVIRONMENT "${env};QT_SCALE_FACTOR=2")
    endif()
endfunction()
