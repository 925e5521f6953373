# Installing the viewer like a Linux desktop program, and the .deb package.
# cmake --install puts korvelindra into bin, its desktop entry into
# share/applications, its AppStream metainfo into share/metainfo, its icons into
# share/icons/hicolor, its man page into share/man/man1 and the licence into
# share/doc/korvelindra/copyright (packaging/CMakeLists.txt); cpack -G DEB packs
# the same files, version from project(), Depends taken from the linked shared
# libraries (dpkg-shlibdeps).

include(GNUInstallDirs)
add_subdirectory(packaging)

# The maintainer of the .deb: the project. A plain variable, so that it also
# replaces the value an older build directory keeps in its cache.
set(VELKORA_PACKAGE_CONTACT "Korvelindra-Projekt <kontakt@korvelindra.org>")

set(CPACK_PACKAGE_NAME korvelindra)
set(CPACK_PACKAGE_VENDOR "Korvelindra-Projekt")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELKORA_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "viewer for the Platonic, Archimedean and Catalan solids")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows the 31 convex solids (5 Platonic, 13 Archimedean, 13 Catalan) under
their German names: alone, with their inner sphere, or inside their outer
sphere. The picture turns by itself or with the mouse, zooms, and can mark
the corners. The interface is German. On the command line, without a
display, it writes pictures, solids for 3D printing (STL, OBJ, OFF), the
measures of a solid and paper nets to cut out and glue (PDF, SVG).")
set(CPACK_STRIP_FILES ON)
# cpack installs what has been built; it does not build the whole tree (tests
# and benchmarks included) first. Build the program, then run cpack.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};korvelindra;/")

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_NAME korvelindra)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELKORA_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/korvelindra/korvelindra")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The net pages' labels are laid out with DejaVu Sans's own widths
# (nets/label_font.h) and drawn in it: the font must be there.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
