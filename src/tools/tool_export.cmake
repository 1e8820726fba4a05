# terzlab-export: saved measurement files as FRD, ZMA and CSV for other tools, and the graph as
# PNG or SVG.
include(GNUInstallDirs)
add_library(terzlab_export_core STATIC ${CMAKE_CURRENT_LIST_DIR}/export/run_export.cpp)
target_include_directories(terzlab_export_core PUBLIC ${CMAKE_CURRENT_LIST_DIR}/export)
target_link_libraries(terzlab_export_core PUBLIC terzlab_analysis terzlab_files terzlab_flags)
# The graph is drawn with the program's own drawing layer, which needs Qt.
if(TERZLAB_GUI)
    target_sources(terzlab_export_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/export/picture_qt.cpp)
    target_link_libraries(terzlab_export_core PRIVATE terzlab_platform)
else()
    target_sources(terzlab_export_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/export/picture_none.cpp)
endif()

add_executable(terzlab-export ${CMAKE_CURRENT_LIST_DIR}/export/main.cpp)
target_link_libraries(terzlab-export PRIVATE terzlab_export_core terzlab_flags)
