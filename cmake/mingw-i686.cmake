set(CMAKE_SYSTEM_PROCESSOR i686)
set(OV_WINE_ARCH i386)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
