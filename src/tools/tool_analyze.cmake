# terzlab-analyze: the program's analysis run on WAV recordings, writing measurement files.
include(GNUInstallDirs)
find_package(PkgConfig REQUIRED)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)

file(GLOB TERZLAB_ANALYZE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/analyze/*.cpp)
list(FILTER TERZLAB_ANALYZE_SOURCES EXCLUDE REGEX ".*/analyze/(main|graph_png_qt|graph_png_none)\\.cpp$")
add_library(terzlab_analyze_core STATIC ${TERZLAB_ANALYZE_SOURCES})
target_include_directories(terzlab_analyze_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(terzlab_analyze_core
    PUBLIC terzlab_analysis terzlab_files terzlab_display terzlab_flags
    PRIVATE PkgConfig::SNDFILE)
# The graph is drawn with the program's own drawing layer, which needs Qt.
if(TERZLAB_GUI)
    target_sources(terzlab_analyze_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/analyze/graph_png_qt.cpp)
    target_link_libraries(terzlab_analyze_core PRIVATE terzlab_platform)
else()
    target_sources(terzlab_analyze_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/analyze/graph_png_none.cpp)
endif()

add_executable(terzlab-analyze ${CMAKE_CURRENT_LIST_DIR}/analyze/main.cpp)
target_link_libraries(terzlab-analyze PRIVATE terzlab_analyze_core terzlab_flags)
