# The private sound servers, for the loopback tests and the loopback benchmark.
include_guard(GLOBAL)
add_library(terzlab_sound_server STATIC ${CMAKE_CURRENT_LIST_DIR}/sound_server.cpp)
target_include_directories(terzlab_sound_server PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(terzlab_sound_server PRIVATE
    TERZLAB_SOUND_SERVER_DIR="${CMAKE_CURRENT_LIST_DIR}")
target_link_libraries(terzlab_sound_server PUBLIC terzlab_test_support PRIVATE terzlab_flags)
