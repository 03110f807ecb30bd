# `make deb` (cpack -G DEB): tochkograf_<version>_<arch>.deb, everything
# `cmake --install` puts in place, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tochkograf)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TOCHKOGRAF_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor of black-and-white EMS pictures for mobile phones")
set(CPACK_PACKAGE_DESCRIPTION
    "Tochkograf draws the small monochrome pictures that mobile phones send\n\
inside SMS messages (EMS pictures, up to 128 x 96 points), with the left and\n\
right mouse buttons on an enlarged grid.\n\
.\n\
It imports two-colour BMP files and any image Qt reads (PNG, JPEG, GIF, BMP\n\
of any depth and more), bringing photos down to black and white in a dialog\n\
with a preview, and exports pictures as PNG, one-bit BMP, Nokia OTB, XBM,\n\
PBM or the hex of an SMS's EMS element. It converts between these from the\n\
command line and shows .ems files as pictures in file managers. Its texts\n\
are in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps. Qt loads its
# platform plugins at run time, so the editor cannot start without them;
# the Russian texts of Qt's own dialog buttons are data it loads if there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
