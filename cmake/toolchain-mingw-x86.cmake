# Cross build for Windows with MinGW-w64 (i686).
set(QV_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
