# terzlab-ts: Thiele-Small parameters from impedance measurement files.
include(GNUInstallDirs)

file(GLOB TERZLAB_TS_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/ts/*.cpp)
list(FILTER TERZLAB_TS_SOURCES EXCLUDE REGEX ".*/ts/main\\.cpp$")
add_library(terzlab_ts_core STATIC ${TERZLAB_TS_SOURCES})
target_include_directories(terzlab_ts_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(terzlab_ts_core PUBLIC terzlab_analysis terzlab_files terzlab_flags)

add_executable(terzlab-ts ${CMAKE_CURRENT_LIST_DIR}/ts/main.cpp)
target_link_libraries(terzlab-ts PRIVATE terzlab_ts_core terzlab_flags)
install(TARGETS terzlab-ts DESTINATION ${CMAKE_INSTALL_BINDIR})
