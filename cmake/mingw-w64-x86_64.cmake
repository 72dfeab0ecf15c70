# Cross-builds the Qt-free core, cadmira-cli and their tests for 64-bit Windows with Debian's
# MinGW-w64 (the POSIX thread model, which std::thread needs). CADMIRA_WINDOWS_PREFIX is where
# the libraries built for Windows (pugixml, GoogleTest) and the header-only ones are installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CADMIRA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns wrongly about overlapping copies inside libstdc++'s string concatenation when it
# inlines it at -O3 (GCC bug 105329); with warnings as errors that would stop the build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# One executable that needs no DLL beyond Windows' own: the C++ runtime and winpthread go in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run under Wine, quietly and in their own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
