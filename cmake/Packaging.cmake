# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` installs,
# into /usr. The libraries it needs come from dpkg-shlibdeps; what is loaded at run time and
# not linked is named: the fonts the shipped templates use, Qt's window-system plugins and the sRGB
# profile that PDF/X files name.
set(CPACK_PACKAGE_NAME tavolo)
set(CPACK_PACKAGE_VENDOR "The Tavolo developers")
set(CPACK_PACKAGE_CONTACT "The Tavolo developers <tavolo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Business card designer that prints many cards to a sheet")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavolo designs business cards from ready-made templates, backgrounds, photos and logos, and prints them many to a sheet of card stock or into a PDF. tavolo-cli renders and prints cards without a window.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/tavolo/tavolo")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, icc-profiles-free, fonts-liberation2, fonts-dejavu-core, fonts-cantarell, fonts-dancingscript, fonts-ebgaramond, fonts-league-spartan, fonts-lindenhill, fonts-quicksand, fonts-roboto-slab, fonts-yanone-kaffeesatz")
# The business cards of gLabels' label database are offered when it is installed.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "glabels-data")

include(CPack)
