# What `cmake --install` puts beside the executables, and the Debian package made from it.
# The executables install themselves (src/app, src/tools); the stimulus files go to
# share/terzlab, where the program looks for them relative to its own folder.
include(GNUInstallDirs)

set(TERZLAB_APP_ID de.terzlab.Terzlab)
set(TERZLAB_SCREENSHOT_URL "https://terzlab.de/screenshots" CACHE STRING
    "Where the screenshots of docs/ are published, for the AppStream metadata")
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

set(CPACK_PACKAGE_NAME terzlab)
set(CPACK_PACKAGE_VENDOR "Terzlab")
set(CPACK_PACKAGE_CONTACT "Terzlab <terzlab@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fractional-octave analyser for loudspeaker measurements")
set(CPACK_PACKAGE_DESCRIPTION "Terzlab turns a sound card into a 1/3, 1/6 and 1/12 octave \
analyser for loudspeaker work: level spectra, transfer, polarity and impedance. The program \
speaks German.")
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
