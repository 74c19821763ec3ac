# Installed layout: one relocatable folder holding the program and its data, plus the usual
# desktop files around it.
#
#   <prefix>/bin/ferrova-periodic                    launcher script
#   <prefix>/lib/ferrova-periodic/ferrova-periodic   program
#   <prefix>/lib/ferrova-periodic/plugins/ferrova-browser.so   web view (browser engine)
#   <prefix>/lib/ferrova-periodic/plugins/ferrova-charts.so    charts, pictures, printing
#   <prefix>/lib/ferrova-periodic/plugins/ferrova-network.so   the product site's question
#   <prefix>/lib/ferrova-periodic/Data/              Elements.prn, Properties.csv, Isotopes.csv,
#                                                    settings.prn
#   <prefix>/share/applications/ferrova-periodic.desktop
#   <prefix>/share/icons/hicolor/<size>/apps/ferrova-periodic.png|svg
#   <prefix>/share/metainfo/example.ferrova.periodic.metainfo.xml
#   <prefix>/share/man/man1/ferrova-periodic.1.gz
#   <prefix>/share/doc/ferrova-periodic/copyright, changelog.gz
#
# The program finds its data in the Data folder beside itself, so the folder is not split
# up the usual bin/share way; the launcher in bin/ runs it by a path relative to itself.
# `cpack -G TGZ` packs the same tree, `cpack -G DEB` makes a Debian package of it
# (cmake/DebPackage.cmake).

include(GNUInstallDirs)

set(FERROVA_APP_ID example.ferrova.periodic)
# Not CMAKE_INSTALL_LIBDIR: that may be lib64 or a multiarch folder, and the launcher and
# packages expect the program folder at lib/ferrova-periodic.
set(FERROVA_PROGRAM_DIR lib/${PROJECT_NAME})

install(TARGETS ferrova-periodic RUNTIME DESTINATION ${FERROVA_PROGRAM_DIR})
# Loaded at run time from the plugins folder beside the program.
install(TARGETS ferrova_browser ferrova_charts_plugin ferrova_network_plugin
        LIBRARY DESTINATION ${FERROVA_PROGRAM_DIR}/plugins)
install(FILES ${PROJECT_SOURCE_DIR}/Data/Elements.prn ${PROJECT_SOURCE_DIR}/Data/Properties.csv
              ${PROJECT_SOURCE_DIR}/Data/Isotopes.csv
        DESTINATION ${FERROVA_PROGRAM_DIR}/Data)
# settings.prn holds the user's choices from the options dialog: installing again over an
# earlier install keeps it. It stays in the install manifest either way.
install(CODE "
  set(settings \"\${CMAKE_INSTALL_PREFIX}/${FERROVA_PROGRAM_DIR}/Data/settings.prn\")
  if(EXISTS \"\$ENV{DESTDIR}\${settings}\")
    message(STATUS \"Keeping: \$ENV{DESTDIR}\${settings}\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\$ENV{DESTDIR}\${settings}\")
  else()
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${FERROVA_PROGRAM_DIR}/Data\" TYPE FILE
         FILES \"${PROJECT_SOURCE_DIR}/Data/settings.prn\")
  endif()")

configure_file(${PROJECT_SOURCE_DIR}/packaging/ferrova-periodic.sh.in
               ${PROJECT_BINARY_DIR}/packaging/ferrova-periodic @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/ferrova-periodic DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/ferrova-periodic.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${FERROVA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 32 64)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/ferrova-periodic-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ferrova-periodic.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/ferrova-periodic.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page and the changelog go in compressed, without name or time stamp in the
# gzip header, so that every build gives the same bytes.
set(FERROVA_GZIPPED ${PROJECT_BINARY_DIR}/packaging/gz)
file(MAKE_DIRECTORY ${FERROVA_GZIPPED})
foreach(file ferrova-periodic.1 changelog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file})
  execute_process(COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${file}
                  OUTPUT_FILE ${FERROVA_GZIPPED}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${FERROVA_GZIPPED}/ferrova-periodic.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${FERROVA_GZIPPED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Portable archive of the same tree: ferrova-periodic-1.0.0-Linux-x86_64.tar.gz holding one
# top folder of that name.
# Packing takes what is already built: `cpack` would otherwise build every target first,
# tests included, and `cmake --install` never builds either.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR Ferrova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Periodic table of the elements with property charts")
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(${CMAKE_CURRENT_LIST_DIR}/DebPackage.cmake)
include(CPack)
