# Debian package of the installed tree: `cpack -G DEB` in the build folder makes
# ferrova-periodic_<version>_<arch>.deb, the same files under /usr. Included by
# Install.cmake before CPack. packaging/README.md explains what lintian still says.

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ferrova <support@ferrova.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.ferrova.example/soft/kelor/)
# The long description; CPack puts CPACK_PACKAGE_DESCRIPTION_SUMMARY above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A periodic table of the elements for engineers and students, with a Chinese
interface. Click an element to see its atomic number, atomic weight, boiling
and melting points, density, oxidation states and electron configuration.
Chart one of nine properties across all 109 elements, below the table or in a
window of its own, and see atomic or covalent radii as circles on the table.")

# The libraries come from dpkg-shlibdeps, which also covers what Qt loads at run time
# here: the xcb platform plugin is in libqt6gui6, the SVG plugin in libqt6svg6 and the
# web engine's helper process in libqt6webenginecore6-bin, which libqt6webenginewidgets6
# pulls in. The fonts the windows ask for and Qt's own Chinese texts it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
