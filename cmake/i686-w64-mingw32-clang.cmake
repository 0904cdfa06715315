# Cross-build for 32-bit Windows on x86 with clang and the MinGW-w64 sysroot,
# headers and libraries of Debian's g++-mingw-w64-i686.
include(${CMAKE_CURRENT_LIST_DIR}/i686-w64-mingw32.cmake)

set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET i686-w64-mingw32)
set(CMAKE_SYSROOT /usr/i686-w64-mingw32)

# clang does not find the C++ headers of a GCC whose version is "12-win32".
execute_process(COMMAND i686-w64-mingw32-g++ -print-libgcc-file-name
  OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_dir "${libgcc}" DIRECTORY)
set(CMAKE_CXX_FLAGS_INIT
  "-isystem ${gcc_dir}/include/c++ -isystem ${gcc_dir}/include/c++/i686-w64-mingw32")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-L${gcc_dir}")
