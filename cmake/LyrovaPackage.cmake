# The Debian package: `cpack -G DEB` in the build folder makes
# lyrova_VERSION_ARCH.deb from what `cmake --install` puts under /usr.
# dpkg-shlibdeps finds the libraries; the SoundFont, the fonts and the
# translations are named here, since nothing links them.

set(package_dir ${PROJECT_SOURCE_DIR}/resources/package)
set(package_doc ${CMAKE_INSTALL_DATADIR}/doc/lyrova)

# Debian wants the changelog compressed at the highest level, without a time stamp.
configure_file(${package_dir}/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
find_program(LYROVA_GZIP gzip)
if(LYROVA_GZIP)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
    COMMAND ${LYROVA_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/package/changelog
    DEPENDS ${CMAKE_BINARY_DIR}/package/changelog
    VERBATIM)
  add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/package/changelog.gz DESTINATION ${package_doc})
endif()
install(FILES ${package_dir}/copyright DESTINATION ${package_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lyrova)
set(CPACK_PACKAGE_VENDOR "The Lyrova developers")
set(CPACK_PACKAGE_CONTACT "The Lyrova developers <bugs@lyrova.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "karaoke player for song discs and karaoke files")
set(CPACK_PACKAGE_DESCRIPTION
    "Lyrova plays the songs of a karaoke song disc copied to a folder and the
karaoke files (.kar, .mid) of a song folder. A software synthesizer plays
the music; a second window loops a background film and draws the lyrics
over it, each character changing colour exactly when it is sung. Tempo, key
and volume change while a song plays; songs are found by code, title,
singer, authors or words, and queued in playlists.

A demo disc, a demo song folder, a help page in Russian and command-line
tools to read a disc's catalogue and render songs come with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://lyrova.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf2-soundfont-gm, fonts-liberation2")
# Qt's own buttons and dialogs in Russian; the browser and mail links.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${package_dir}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
