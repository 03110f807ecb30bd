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
right mouse buttons on an enlarged grid. It imports two-colour BMP files,\n\
converts between .ems, one-bit .bmp and .png from the command line, and\n\
shows .ems files as pictures in file managers. Its texts are in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TOCHKOGRAF_HOMEPAGE}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps; the Russian
# texts of Qt's own dialog buttons are data it loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
include(CPack)
