# What `cmake --install` puts beside the executables, and the Debian package made from it.
# The executables install themselves (src/app, src/tools); the stimulus files go to
# share/terzlab, where the program looks for them relative to its own folder.
include(GNUInstallDirs)

set(TERZLAB_APP_ID de.terzlab.terzlab)
set(TERZLAB_MAINTAINER "Terzlab maintainers <maintainers@users.noreply.c-seed-d0767866.example>"
    CACHE STRING "Name and mail address of whoever answers for the package")
# A package build sets SOURCE_DATE_EPOCH, which TIMESTAMP honours.
string(TIMESTAMP TERZLAB_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${TERZLAB_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/packaging/${TERZLAB_APP_ID}.metainfo.xml @ONLY)

if(TERZLAB_GUI)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TERZLAB_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/${TERZLAB_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/${TERZLAB_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# A text file with the project's values filled in, and gzipped as Debian installs documents;
# the compressed file's path goes to `out`.
set(TERZLAB_DOCUMENTS)
function(terzlab_document source out)
    get_filename_component(name ${source} NAME)
    set(plain ${CMAKE_BINARY_DIR}/doc/${name})
    configure_file(${source} ${plain} @ONLY)
    add_custom_command(OUTPUT ${plain}.gz COMMAND gzip -9nkf ${plain} DEPENDS ${plain} VERBATIM)
    set(TERZLAB_DOCUMENTS ${TERZLAB_DOCUMENTS} ${plain}.gz PARENT_SCOPE)
    set(${out} ${plain}.gz PARENT_SCOPE)
endfunction()

# The manual pages are plain troff in man/.
set(TERZLAB_MAN_PAGES terzlab-analyze.1 terzlab-export.1 terzlab-ts.1)
if(TERZLAB_GUI)
    list(APPEND TERZLAB_MAN_PAGES terzlab.1)
endif()
foreach(page ${TERZLAB_MAN_PAGES})
    terzlab_document(${PROJECT_SOURCE_DIR}/man/${page} compressed)
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The package's history (a native package's changelog, with an entry for each version) and its
# licence in the machine-readable form.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog TERZLAB_LATEST_CHANGE LIMIT_COUNT 1)
if(NOT TERZLAB_LATEST_CHANGE MATCHES "^terzlab \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog has no entry for version ${PROJECT_VERSION} on top")
endif()
terzlab_document(${CMAKE_CURRENT_LIST_DIR}/changelog changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/doc/copyright @ONLY)
install(FILES ${changelog} ${CMAKE_BINARY_DIR}/doc/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/terzlab)
add_custom_target(terzlab_documents ALL DEPENDS ${TERZLAB_DOCUMENTS})

set(CPACK_PACKAGE_NAME terzlab)
set(CPACK_PACKAGE_VENDOR "Terzlab")
set(CPACK_PACKAGE_CONTACT "${TERZLAB_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian's control file: short lines, the description in English only.
set(CPACK_PACKAGE_DESCRIPTION "Terzlab turns a sound card into a 1/3, 1/6 and 1/12 octave
analyser for loudspeaker work: level spectra, two-channel transfer,
polarity and impedance, with reference and comparison curves,
microphone compensation and level calibration. It speaks German and
English and comes with tools that analyse recordings, convert
measurements for other programs and fit Thiele-Small parameters.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The libraries the executables link come from dpkg-shlibdeps; what they only load at run time
# is named here: Qt's platform plugins, the fonts the program draws with, and the sound server
# bridge for ALSA.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libasound2-plugins")
set(CPACK_GENERATOR DEB)
include(CPack)
