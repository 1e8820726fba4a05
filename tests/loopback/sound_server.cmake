# The private sound servers, for the loopback tests and the loopback benchmark.
include_guard(GLOBAL)
add_library(terzlab_sound_server STATIC
    ${CMAKE_CURRENT_LIST_DIR}/sound_server.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pulse_server.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pipewire_server.cpp)
target_include_directories(terzlab_sound_server PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(terzlab_sound_server PRIVATE terzlab_flags)
