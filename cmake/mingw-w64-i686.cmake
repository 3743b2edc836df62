# Cross-compiles the 32-bit Windows program with MinGW-w64; the tests run
# under Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TREEPAGE_MINGW_PREFIX i686-w64-mingw32)
set(TREEPAGE_WINE_NAMES wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
