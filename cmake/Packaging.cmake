# Installation and the Debian package: the two programs, the desktop entry, the icon in its
# sizes, the MIME type of lesson archives (.rsd) and the demo lesson.
#   cmake --install build            (default prefix /usr/local)
#   cpack --config build/CPackConfig.cmake   ->  textaria_VERSION_amd64.deb

include(GNUInstallDirs)

set(TEXTARIA_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS textaria textaria-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TEXTARIA_PACKAGING_DIR}/textaria.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TEXTARIA_PACKAGING_DIR}/textaria-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME textaria.xml)
install(FILES ${TEXTARIA_PACKAGING_DIR}/textaria.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
if(TARGET demo_rsd)
  install(FILES ${CMAKE_BINARY_DIR}/examples/demo.rsd DESTINATION ${CMAKE_INSTALL_DATADIR}/textaria)
endif()

# Bitmap icons for menus and panels that do not draw SVG, rendered from the one drawing.
find_program(TEXTARIA_RSVG_CONVERT rsvg-convert)
if(TEXTARIA_RSVG_CONVERT)
  set(icon_outputs)
  foreach(size 16 24 32 48 64 128 256)
    set(png ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}/textaria.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}
      COMMAND ${TEXTARIA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png}
              ${TEXTARIA_PACKAGING_DIR}/textaria.svg
      DEPENDS ${TEXTARIA_PACKAGING_DIR}/textaria.svg
      COMMENT "Rendering the ${size}x${size} icon"
      VERBATIM)
    list(APPEND icon_outputs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(textaria_icons ALL DEPENDS ${icon_outputs})
else()
  message(WARNING "rsvg-convert not found (librsvg2-bin): only the SVG icon is installed")
endif()

# A plain "cmake --install" refreshes the desktop's caches; the package leaves that to the
# triggers of shared-mime-info, desktop-file-utils and the icon theme.
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR} AND NOT CPACK_GENERATOR)
    set(data "${CMAKE_INSTALL_PREFIX}/share")
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    find_program(update_icons gtk-update-icon-cache)
    if(update_mime)
      execute_process(COMMAND ${update_mime} "${data}/mime")
    endif()
    if(update_desktop)
      execute_process(COMMAND ${update_desktop} -q "${data}/applications")
    endif()
    if(update_icons AND EXISTS "${data}/icons/hicolor/index.theme")
      execute_process(COMMAND ${update_icons} -q -t -f "${data}/icons/hicolor")
    endif()
  endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME textaria)
set(CPACK_PACKAGE_VENDOR "Textaria")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive German lessons built around cloze texts")
set(CPACK_PACKAGE_DESCRIPTION
    "Teachers write lessons in any word processor (RTF); learners page through them, fill in\n\
the gaps and have their answers judged. With a calculator, a math script language with a\n\
drawing surface, and a speech recorder. Lessons travel as .rsd archives.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # textaria_VERSION_amd64.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Textaria developers <textaria@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the programs link against come from dpkg-shlibdeps; what is only loaded at run
# time is named here: GStreamer plays MP3 (mpg123, pulsesink in plugins-good), the lesson
# fonts have Arial/Courier metrics, the script editor draws with DejaVu Sans Mono, Qt's own
# dialogs speak German from qt6-translations-l10n, and xdg-utils finds the programs that open
# videos and documents.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-liberation, fonts-dejavu-core, \
qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
