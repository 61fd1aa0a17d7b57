# Word lists, typing into the last-used application, and the folder launcher.
#
#   velmora_words_logic  Win32-free: list-file decoding, line splitting, the
#                        menu item rules, the table of lists and folder menus,
#                        the keystroke plan, the foreground-tracking rule.
#   velmora_words        Windows: reading list files, folder listings,
#                        shellExe, typing with SendInput, SendWord.
set(words_dir ${CMAKE_CURRENT_LIST_DIR})

velmora_logic(velmora_words_logic SOURCES
  ${words_dir}/word_list_decoder.cpp
  ${words_dir}/word_list_lines.cpp
  ${words_dir}/word_list_table.cpp
  ${words_dir}/list_menu.cpp
  ${words_dir}/keystroke_plan.cpp)

velmora_unit_test(velmora_words_test
  SOURCES
    ${words_dir}/word_list_decoder_test.cpp
    ${words_dir}/word_list_lines_test.cpp
    ${words_dir}/word_list_table_test.cpp
    ${words_dir}/list_menu_test.cpp
    ${words_dir}/keystroke_plan_test.cpp
    ${words_dir}/foreground_tracker_test.cpp
  LIBS velmora_words_logic)

velmora_fuzzer(fuzz_word_list SOURCES ${words_dir}/word_list_fuzz.cpp LIBS velmora_words_logic)

if(NOT WIN32)
  return()
endif()

add_library(velmora_words STATIC
  ${words_dir}/word_list_file.cpp
  ${words_dir}/folder_listing.cpp
  ${words_dir}/keystroke.cpp
  ${words_dir}/send_word.cpp)
target_link_libraries(velmora_words PUBLIC velmora_words_logic velmora_ui shlwapi)

velmora_windows_test(velmora_words_windows_test
  SOURCES
    ${words_dir}/word_list_file_windows_test.cpp
    ${words_dir}/folder_listing_windows_test.cpp
    ${words_dir}/keystroke_windows_test.cpp
  LIBS velmora_words)

# Load times of the word lists; run by hand or by tools/bench, not a test.
add_executable(word_lists_bench ${words_dir}/word_lists_bench.cpp)
target_link_libraries(word_lists_bench PRIVATE velmora_words)
target_link_options(word_lists_bench PRIVATE -municode)

# The end-to-end launcher test uses these pieces from its own
# process and the shipped lists; its target is made later, in tests/e2e,
# so the link is added once the whole tree has been read.
function(velmora_words_link_e2e)
  foreach(test launcher_shell_e2e_test)
    if(TARGET ${test})
      target_link_libraries(${test} PRIVATE velmora_words)
      add_dependencies(${test} velmora_data)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL velmora_words_link_e2e)
