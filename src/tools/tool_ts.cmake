# terzlab-ts: Thiele-Small parameters from impedance measurement files.
include(GNUInstallDirs)

add_library(terzlab_ts_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ts/ts_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ts/ts_run.cpp)
target_include_directories(terzlab_ts_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(terzlab_ts_core PUBLIC terzlab_analysis terzlab_files terzlab_flags)

add_executable(terzlab-ts ${CMAKE_CURRENT_LIST_DIR}/ts/main.cpp)
target_link_libraries(terzlab-ts PRIVATE terzlab_ts_core terzlab_flags)
