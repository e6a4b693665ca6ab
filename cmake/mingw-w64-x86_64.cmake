# Cross-building for 64-bit Windows 10 and later on Debian with mingw-w64
# (package g++-mingw-w64-x86-64-posix), and running what was built under
# Wine (packages wine, wine64): cmake --preset windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The POSIX threads flavour: std::thread and std::mutex need it.
set(QUILLFOLD_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLFOLD_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLFOLD_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLFOLD_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLFOLD_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in, the C++ and GCC run-times and winpthread too, so a
# program runs on a bare Windows without mingw's DLLs beside it. Linking
# makes programs with ASLR, high-entropy ASLR and DEP by default. Without
# the link time in the header (and so in its checksum), the same sources give
# the same program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
# The stack protector, as the hardening of the Linux builds has it; the
# rest of that (RELRO, stack clash protection) is ELF's and Linux's.
set(CMAKE_CXX_FLAGS_INIT "-fstack-protector-strong")
set(CMAKE_C_FLAGS_INIT "-fstack-protector-strong")

# Tests, and GoogleTest's listing of them, run the programs under Wine in a
# Wine prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
