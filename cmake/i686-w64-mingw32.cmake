# CMake toolchain file: cross-build 32-bit Windows binaries on Debian with
# mingw-w64 (i686, posix thread model).
#
#   cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake ...
#
# The C/C++ runtimes (libgcc, libstdc++, winpthread) are linked statically,
# so executables and DLLs import only Windows system DLLs (and project DLLs).
# Warnings are not set here on purpose: third-party code (GoogleTest) gets
# none of ours; the project adds -Wall -Wextra itself (see README.md).

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(_mingw_triple i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${_mingw_triple}-windres)

# Headers, libraries and CMake packages come only from the mingw sysroot;
# programs (code generators and such) come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static runtime plus ASLR / DEP flags for every linked binary.
set(_mingw_link_flags "-static -static-libgcc -static-libstdc++ -Wl,--dynamicbase -Wl,--nxcompat")
set(CMAKE_EXE_LINKER_FLAGS_INIT    "${_mingw_link_flags}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_mingw_link_flags}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${_mingw_link_flags}")
unset(_mingw_link_flags)
unset(_mingw_triple)
