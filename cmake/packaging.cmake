# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# The Debian packages, made by `cpack -G DEB` in the build directory: tessaron (the game and
# tessaron-lab), tessaron-data (pictures, sounds and icons, for every architecture) and
# tessaron-dbgsym (the debug symbols of the stripped binaries). Install rules put their files
# in the components "game" (the default) and "data".

# Whoever builds the packages signs them: no address is built in.
set(TESSARON_MAINTAINER "" CACHE STRING
    "Maintainer of the Debian packages, as \"Name <address>\" (needed by cpack -G DEB)")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSARON_MAINTAINER}")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/package_maintainer_check.cmake")

set(CPACK_PACKAGE_NAME tessaron)
set(CPACK_PACKAGE_VENDOR "The Tessaron developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game data)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME tessaron)
set(CPACK_DEBIAN_GAME_DESCRIPTION "brick-breaker game in French: 25 levels, 13 capsules
Tessaron is a single-player brick-breaker. Move the paddle with the
mouse, launch the ball with a click and break the bricks of 25 levels;
capsules falling from broken bricks change the paddle, the balls, the lives
or the rules. Every level has a code that starts the next game there.
The game's texts are in French.")
set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
# SDL2_mixer is opened at run time, so the packaging tool cannot find it among the libraries.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS
    "tessaron-data (= ${PROJECT_VERSION}), fonts-lato, libsdl2-mixer-2.0-0 (>= 2.6)")
# Title bars for the game and credits windows on Wayland desktops that leave them to the program.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "libdecor-0-plugin-1-cairo")
# The binaries are shipped stripped; their symbols go to tessaron-dbgsym.
set(CPACK_DEBIAN_GAME_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/package_fixups.cmake")

set(CPACK_DEBIAN_DATA_PACKAGE_NAME tessaron-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
# Any architecture's game may use it (set by package_fixups.cmake: CPack has no variable for it).
set(CPACK_TESSARON_FOREIGN_PACKAGES tessaron-data)
set(CPACK_DEBIAN_DATA_DESCRIPTION "brick-breaker game in French - pictures, sounds and icons
Tessaron is a single-player brick-breaker with 25 levels and 13 kinds of
capsules. This package holds its pictures, sounds and icons, which are the
same on every architecture.")

# The copyright and the changelog, in each package's documentation directory. The changelog
# is signed by the maintainer, who is also the copyright's contact, so cpack writes both
# (package_maintainer_check.cmake) just before it installs the packages' files.
set(CPACK_TESSARON_CHANGELOG_SOURCE ${PROJECT_SOURCE_DIR}/dist/changelog.in)
set(CPACK_TESSARON_CHANGELOG ${PROJECT_BINARY_DIR}/dist/changelog)
set(CPACK_TESSARON_COPYRIGHT_SOURCE ${PROJECT_SOURCE_DIR}/dist/copyright.in)
set(CPACK_TESSARON_COPYRIGHT ${PROJECT_BINARY_DIR}/dist/copyright)
set(CPACK_TESSARON_VERSION ${PROJECT_VERSION})
foreach(component game data)
  set(package tessaron)
  if(component STREQUAL data)
    set(package tessaron-data)
  endif()
  install(FILES ${CPACK_TESSARON_COPYRIGHT} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
          COMPONENT ${component} OPTIONAL)
  install(FILES ${CPACK_TESSARON_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
          COMPONENT ${component} OPTIONAL)
endforeach()

include(CPack)
