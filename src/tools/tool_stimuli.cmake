# The stimulus generator and the files it writes into the program folder at build time.
include(GNUInstallDirs)

add_executable(terzlab-make-stimuli
    ${CMAKE_CURRENT_LIST_DIR}/stimuli/main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stimuli/sweep_command.cpp)
target_include_directories(terzlab-make-stimuli PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# The signals are the library's, which the program uses too.
target_link_libraries(terzlab-make-stimuli PRIVATE terzlab_stimuli terzlab_sound_file terzlab_files
                                                   terzlab_sweep terzlab_flags)

set(TERZLAB_STIMULUS_NAMES
    pseudo.wav multi.wav pulse.wav check.wav
    Sin_0050_100.wav Sin_0050_010.wav Sin_0050_001.wav
    Sin_1000_100.wav Sin_1000_010.wav Sin_1000_001.wav
    Stop.wav)
list(TRANSFORM TERZLAB_STIMULUS_NAMES PREPEND ${CMAKE_BINARY_DIR}/bin/
     OUTPUT_VARIABLE TERZLAB_STIMULUS_FILES)

add_custom_command(
    OUTPUT ${TERZLAB_STIMULUS_FILES}
    COMMAND terzlab-make-stimuli ${CMAKE_BINARY_DIR}/bin
    DEPENDS terzlab-make-stimuli
    COMMENT "Writing the stimulus files into the program folder"
    VERBATIM)
add_custom_target(terzlab_stimulus_files ALL DEPENDS ${TERZLAB_STIMULUS_FILES})

# The build folder's program finds them beside itself, an installed one in ../share/terzlab.
install(FILES ${TERZLAB_STIMULUS_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/terzlab)
