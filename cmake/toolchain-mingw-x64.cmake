# Cross build for Windows with MinGW-w64 (x86_64).
set(QV_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
