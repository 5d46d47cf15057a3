# The Debian package, built from the install rules: `cpack -G DEB` in the
# build folder (scripts/pacote.sh). The libraries come from the program's
# links (dpkg-shlibdeps); the rest of what it needs at run time is named here.
set(CPACK_PACKAGE_NAME quillet6)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillet <quillet@quillet.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher and player for the Velmora games")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillet 6 plays the browser games Velmora, Kraddle, Gumbrel and Lurrow in one window of their own, guards Velmora's players against account-stealing links and speaks Portuguese and English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcurl, which the program loads at run time with its first download; Qt's
# own translations (the Yes and No of the questions in Portuguese) and the
# fonts that stand in for the design's. The SWF engine's browser, with its
# helper process, comes with the browser library's own dependencies.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4, qt6-translations-l10n, fonts-crosextra-carlito, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
