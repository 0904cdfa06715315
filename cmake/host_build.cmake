# The installer's sources built natively against the host stand-in of the
# platform, driven by GoogleTest.
find_package(GTest REQUIRED)
include(GoogleTest)

set(WARNINGS -Wall -Wextra -Werror)

add_library(installer_on_standin STATIC ${INSTALLER_SOURCES} host/windows_standin.cpp)
target_include_directories(installer_on_standin PUBLIC inst host)
target_compile_options(installer_on_standin PRIVATE ${WARNINGS})

add_executable(host_tests
  tests/host/command_tail_test.cpp
  tests/host/gate_test.cpp
  tests/host/register_ime_test.cpp
  tests/host/process_test.cpp
)
target_compile_options(host_tests PRIVATE ${WARNINGS})
target_link_libraries(host_tests PRIVATE installer_on_standin GTest::gtest_main)
gtest_discover_tests(host_tests PROPERTIES LABELS host)
