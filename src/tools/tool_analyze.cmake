# terzlab-analyze: the program's analysis run on WAV recordings, writing measurement files.
include(GNUInstallDirs)

add_library(terzlab_analyze_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/analyze/analyzer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/curves.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/recording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/run.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/staged_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/stream_messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/sweep_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/sweep_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/analyze/sweep_run.cpp)
target_include_directories(terzlab_analyze_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(terzlab_analyze_core
    PUBLIC terzlab_analysis terzlab_files terzlab_display terzlab_sound_file terzlab_sweep
           terzlab_flags)
# The graph is drawn with the program's own drawing layer, which needs Qt.
if(TERZLAB_GUI)
    target_sources(terzlab_analyze_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/analyze/graph_render_qt.cpp)
    target_link_libraries(terzlab_analyze_core PRIVATE terzlab_platform)
else()
    target_sources(terzlab_analyze_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/analyze/graph_render_none.cpp)
endif()

add_executable(terzlab-analyze ${CMAKE_CURRENT_LIST_DIR}/analyze/main.cpp)
target_link_libraries(terzlab-analyze PRIVATE terzlab_analyze_core terzlab_flags)
