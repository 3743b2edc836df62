# The same program for 64-bit Windows, whose tests run under 64-bit Wine: on a
# kernel that runs no 32-bit programs (ia32_emulation off), no 32-bit Wine
# starts, and this build is how the Windows code is still tested there.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TREEPAGE_MINGW_PREFIX x86_64-w64-mingw32)
# Debian's "wine" starts the 32-bit loader whenever it is installed.
set(TREEPAGE_WINE_NAMES wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
