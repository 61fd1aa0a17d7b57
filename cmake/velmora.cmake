# Building blocks shared by every folder of the project.
#
#   velmora_logic(target SOURCES ...)            Win32-free library, both trees
#   velmora_unit_test(target SOURCES ... LIBS ...) native unit tests (sanitizers)
#   velmora_program(target OUTPUT_NAME name DESCRIPTION text [FOLDER sub]
#                   SOURCES ... LIBS ...)          Windows GUI program
#   velmora_windows_test(target SOURCES ... LIBS ...) GoogleTest program run under Wine
#   velmora_fuzzer(target SOURCES ... LIBS ...)   libFuzzer target (fuzz preset)

option(VELMORA_SANITIZE "Build the native tree with address and undefined-behaviour sanitizers" OFF)
option(VELMORA_FUZZ "Build the libFuzzer targets (clang only)" OFF)

# The version is defined once, by project() in the top CMakeLists.txt.
set(VELMORA_VERSION_TEXT "${PROJECT_VERSION}")
string(REPLACE "." "," VELMORA_VERSION_COMMA "${PROJECT_VERSION}")
set(VELMORA_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(VELMORA_TOOLS_FOLDER "Kelvo软件")

if(NOT WIN32)
  add_compile_options(-Wall -Wextra)
  if(VELMORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
else()
  # Win32 structures are customarily zero-filled with {sizeof x}. Warnings
  # stop both Windows builds: what one word size hides, the other may show.
  add_compile_options(-Wall -Wextra -Werror -Wno-missing-field-initializers -Wno-restrict)
  # The programs are Unicode throughout and run on Windows 7 SP1 and later:
  # the headers then hide every newer function, which ui/os_functions looks
  # up at run time instead.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()
if(VELMORA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(velmora_logic target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# One precompiled header shared by every test program of a tree: GoogleTest
# and <windows.h> are most of what a test file costs to compile. The Windows
# test programs need no full optimisation (-O1 halves their compile time);
# GCC 12 loses the system-header mark of <wchar.h> inside a precompiled
# header and then reports false array bounds and overflows there.
function(velmora_test_options target)
  if(WIN32)
    target_compile_options(${target} PRIVATE -O1 -Wno-array-bounds -Wno-stringop-overread -Wno-stringop-overflow)
  endif()
endfunction()

# The model tests keep to the Win32-free headers, also where they are built
# as 32-bit Windows programs: their precompiled header has no <windows.h>.
function(velmora_test_pch target)
  cmake_parse_arguments(ARG "WIN32_FREE" "" "" ${ARGN})
  set(pch velmora_test_pch)
  set(windows_header $<$<BOOL:${WIN32}>:<windows.h$<ANGLE-R>>)
  if(ARG_WIN32_FREE AND WIN32)
    set(pch velmora_model_test_pch)
    set(windows_header)
  endif()
  if(NOT TARGET ${pch})
    set(source ${CMAKE_BINARY_DIR}/${pch}.cpp)
    file(WRITE ${source} "")
    add_library(${pch} OBJECT ${source})
    target_link_libraries(${pch} PRIVATE GTest::gtest)
    velmora_test_options(${pch})
    target_precompile_headers(${pch} PRIVATE <gtest/gtest.h> <string> <vector> ${windows_header})
  endif()
  velmora_test_options(${target})
  target_precompile_headers(${target} REUSE_FROM ${pch})
endfunction()

# The model tests are built twice from the same sources: natively, with the
# sanitizers, and in the 32-bit Windows tree, where they run under Wine as
# console programs (the `model_tests` target, into model_tests/), so that the
# 32-bit programs are shown to compute what the 64-bit ones do.
function(velmora_unit_test target)
  if(VELMORA_FUZZ OR (WIN32 AND NOT CMAKE_SIZEOF_VOID_P EQUAL 4))
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  velmora_test_pch(${target} WIN32_FREE)
  if(WIN32)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/model_tests)
    set_property(GLOBAL APPEND PROPERTY VELMORA_MODEL_TESTS ${target})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES LABELS model)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

function(velmora_fuzzer target)
  if(NOT VELMORA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS})
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  set_property(GLOBAL APPEND PROPERTY VELMORA_FUZZERS ${target})
endfunction()

# Every program gets the same manifest (per-monitor DPI v2, common controls 6)
# and a version resource generated from one template.
function(velmora_program target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "OUTPUT_NAME;DESCRIPTION;FOLDER" "SOURCES;LIBS" ${ARGN})
  set(VELMORA_RC_DESCRIPTION "${ARG_DESCRIPTION}")
  set(VELMORA_RC_ORIGINAL "${ARG_OUTPUT_NAME}.exe")
  set(VELMORA_RC_INTERNAL "${target}")
  set(VELMORA_RC_MANIFEST "${PROJECT_SOURCE_DIR}/res/app.manifest")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/res/program.rc.in ${rc} @ONLY)
  # The resource compiler reports no dependencies: a changed manifest must
  # still rebuild every program's resources.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VELMORA_RC_MANIFEST})
  add_executable(${target} WIN32 ${ARG_SOURCES} ${rc})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME "${ARG_OUTPUT_NAME}")
  if(ARG_FOLDER)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${VELMORA_DIST_DIR}/${ARG_FOLDER}")
  else()
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${VELMORA_DIST_DIR}")
  endif()
  target_link_options(${target} PRIVATE -municode -mwindows $<$<NOT:$<CONFIG:Debug>>:-s>)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} velmora_ui)
  set_property(GLOBAL APPEND PROPERTY VELMORA_PROGRAMS ${target})
endfunction()

function(velmora_windows_test target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL windows)
  endif()
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  velmora_test_pch(${target})
  # Discovery runs the program under Wine when the tests run, not at build time,
  # so building needs no display.
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 300
    ENVIRONMENT "VELMORA_DIST=${VELMORA_DIST_DIR}")
endfunction()
