# The installer's sources built natively against the host stand-in of the
# platform, driven by GoogleTest.
find_package(GTest REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
include(GoogleTest)

option(INSTALLER_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(INSTALLER_FUZZ "Build and run the fuzz target (needs clang)" OFF)
set(INSTALLER_FUZZ_RUNS 1500000 CACHE STRING "How many inputs the fuzz test runs")

if(INSTALLER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

set(WARNINGS -Wall -Wextra -Werror)

# The installer's sources with the stand-in, as a library for a test program.
function(add_installer_on_standin name)
  add_library(${name} STATIC ${INSTALLER_SOURCES} host/windows_standin.cpp)
  target_include_directories(${name} PUBLIC inst host)
  target_compile_options(${name} PRIVATE ${WARNINGS} ${ARGN})
endfunction()

# A canary after every stack buffer: a write past the module path aborts.
add_installer_on_standin(installer_on_standin -fstack-protector-all)

add_executable(host_tests
  tests/host/command_tail_test.cpp
  tests/host/gate_test.cpp
  tests/host/register_ime_test.cpp
  tests/host/process_test.cpp
)
target_compile_options(host_tests PRIVATE ${WARNINGS})
target_link_libraries(host_tests PRIVATE installer_on_standin GTest::gtest_main)
gtest_discover_tests(host_tests PROPERTIES LABELS host)

if(INSTALLER_FUZZ)
  # The same sources again, instrumented for libFuzzer's coverage.
  add_installer_on_standin(installer_for_fuzzing -fsanitize=fuzzer-no-link)

  add_executable(fuzz_installer tests/fuzz/fuzz_installer.cpp)
  target_compile_options(fuzz_installer PRIVATE ${WARNINGS} -fsanitize=fuzzer)
  target_link_options(fuzz_installer PRIVATE -fsanitize=fuzzer)
  target_link_libraries(fuzz_installer PRIVATE installer_for_fuzzing)

  add_test(NAME fuzz.installer
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/fuzz/run_fuzz.py
      --fuzzer $<TARGET_FILE:fuzz_installer>
      --seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/seeds
      --work ${CMAKE_BINARY_DIR}/fuzz
      --runs ${INSTALLER_FUZZ_RUNS})
  set_tests_properties(fuzz.installer PROPERTIES LABELS fuzz TIMEOUT 300)
endif()
