# Cross build of the Windows programs on Debian with MinGW-w64 (the "posix"
# thread model, which std::thread and std::mutex need):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# scripts/windows.sh does it, then runs the programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLOMAT_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLOMAT_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLOMAT_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLOMAT_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLOMAT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
