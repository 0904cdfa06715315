# The shipped installer: a PE32 GUI executable for Windows 4.0 and later that
# links no C runtime and imports from KERNEL32 and IMM32 only.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The toolchain's defaults would pull in a dozen system libraries.
set(CMAKE_CXX_STANDARD_LIBRARIES "")

add_executable(qorxpinst ${INSTALLER_SOURCES})
target_include_directories(qorxpinst PRIVATE inst)
target_compile_options(qorxpinst PRIVATE
  -Wall -Wextra -Werror
  -Os
  # Windows 4.0 runs on a 386.
  -march=i386
  -fno-exceptions -fno-rtti -fno-threadsafe-statics
  -fno-asynchronous-unwind-tables -fno-unwind-tables
  -fno-stack-protector
  # Without a C runtime there is no memcpy or memset to call.
  $<$<CXX_COMPILER_ID:GNU>:-fno-tree-loop-distribute-patterns>
  $<$<CXX_COMPILER_ID:Clang>:-fno-builtin>
  -fno-ident
)
target_link_options(qorxpinst PRIVATE
  -nostdlib -s
  -Wl,-e,_WinMainCRTStartup
  -Wl,--subsystem,windows:4.0
  -Wl,--major-os-version,4 -Wl,--minor-os-version,0
  -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
  -Wl,--dynamicbase -Wl,--nxcompat -Wl,--no-seh
  -Wl,--no-insert-timestamp
  -Wl,--gc-sections
)
target_link_libraries(qorxpinst PRIVATE kernel32 imm32)

add_test(NAME executable.properties
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/executable/check_executable.py
    --objdump ${CMAKE_OBJDUMP}
    --forbid-path ${CMAKE_SOURCE_DIR} --forbid-path ${CMAKE_BINARY_DIR}
    $<TARGET_FILE:qorxpinst>)
get_filename_component(toolchain_name "${CMAKE_TOOLCHAIN_FILE}" NAME)
add_test(NAME executable.reproducible
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/executable/check_reproducible.py
    --source ${CMAKE_SOURCE_DIR}
    --work ${CMAKE_BINARY_DIR}/reproducible
    --toolchain ${toolchain_name}
    $<TARGET_FILE:qorxpinst>)
set_tests_properties(executable.properties executable.reproducible PROPERTIES LABELS executable)

# Test-only Windows programs for the end-to-end tests under Wine.
foreach(helper launcher layouts)
  add_executable(${helper} tests/wine/${helper}.cpp)
  target_compile_options(${helper} PRIVATE -Wall -Wextra -Werror)
  target_link_options(${helper} PRIVATE -static)
  target_link_libraries(${helper} PRIVATE advapi32)
endforeach()

add_test(NAME wine.table
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/wine/run_table.py
    --tool $<TARGET_FILE:qorxpinst>
    --launcher $<TARGET_FILE:launcher>
    --reader $<TARGET_FILE:layouts>
    --work ${CMAKE_BINARY_DIR}/wine-test)
set_tests_properties(wine.table PROPERTIES LABELS wine SKIP_RETURN_CODE 77 TIMEOUT 300)
