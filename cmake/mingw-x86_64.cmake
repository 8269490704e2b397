set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(OV_WINE_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
