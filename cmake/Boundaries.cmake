# The "may use" lines of the folders' CMake lists, checked: every file under src/<folder> may
# include only the folders of ours listed for it (and its own), and Qt only where `qt` is
# listed. A folder of src/ without a line here fails too, so that a new module states its
# place. Run as a test (ctest -R include_boundaries) or by hand:
#   cmake -DTERZLAB_ROOT=<source folder> -P cmake/Boundaries.cmake
cmake_minimum_required(VERSION 3.25)
set(TERZLAB_BOUNDARIES
    "text:"
    "sound_file:"
    "analysis: text"
    "files: analysis sweep text"
    "display: analysis sweep text"
    "audio: sound_file text"
    "stimuli: analysis sound_file"
    "sweep: analysis text"
    "live: analysis audio"
    "platform: display text qt"
    "calibration: platform analysis files text qt"
    "guidance: platform display analysis files text qt"
    "speaker: platform analysis files display text qt"
    "app: calibration guidance speaker platform live audio stimuli display files analysis sound_file sweep text qt"
    "tools: platform analysis files display sound_file stimuli sweep text")

set(modules "")
foreach(rule ${TERZLAB_BOUNDARIES})
    string(REGEX REPLACE ":.*" "" folder "${rule}")
    list(APPEND modules ${folder})
endforeach()

file(GLOB folders LIST_DIRECTORIES true RELATIVE ${TERZLAB_ROOT}/src ${TERZLAB_ROOT}/src/*)
set(faults "")
set(forbidden 0)
foreach(folder ${folders})
    if(NOT IS_DIRECTORY ${TERZLAB_ROOT}/src/${folder})
        continue()
    endif()
    list(FIND modules ${folder} at)
    if(at LESS 0)
        string(APPEND faults "src/${folder} has no line in cmake/Boundaries.cmake\n")
        continue()
    endif()
    list(GET TERZLAB_BOUNDARIES ${at} rule)
    string(REGEX REPLACE "^[^:]*:" "" allowed "${rule}")
    separate_arguments(allowed)
    list(APPEND allowed ${folder})
    foreach(module ${modules})
        if(NOT module IN_LIST allowed)
            math(EXPR forbidden "${forbidden} + 1")
        endif()
    endforeach()
    file(GLOB_RECURSE sources ${TERZLAB_ROOT}/src/${folder}/*.cpp ${TERZLAB_ROOT}/src/${folder}/*.h)
    foreach(source ${sources})
        file(RELATIVE_PATH name ${TERZLAB_ROOT} ${source})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            if(line MATCHES "include[ \t]*\"([a-z_]+)/" AND CMAKE_MATCH_1 IN_LIST modules
               AND NOT CMAKE_MATCH_1 IN_LIST allowed)
                string(APPEND faults "${name}: ${line} (${folder} may not use ${CMAKE_MATCH_1})\n")
            elseif(line MATCHES "include[ \t]*<Q" AND NOT "qt" IN_LIST allowed)
                string(APPEND faults "${name}: ${line} (${folder} never includes Qt)\n")
            endif()
        endforeach()
    endforeach()
endforeach()

list(LENGTH modules count)
if(faults)
    message(FATAL_ERROR "Includes across a forbidden boundary:\n${faults}")
endif()
message(STATUS "${count} folders, ${forbidden} forbidden uses between them: none found")
