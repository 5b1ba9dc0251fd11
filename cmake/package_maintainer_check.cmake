# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Read by cpack before it builds the packages: a package needs a maintainer, given at configure
# time by whoever builds it (or to cpack with -D CPACK_DEBIAN_PACKAGE_MAINTAINER=...), who also
# signs the changelog written here.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
if(NOT CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR
    "The Debian packages need a maintainer, as \"Name <address>\"; give yours when configuring:\n"
    "  cmake -S . -B build -DTESSARON_MAINTAINER=\"Jeanne Martin <jeanne.martin@example.org>\"\n"
    "then run cpack -G DEB again (maintainer now: \"${CPACK_DEBIAN_PACKAGE_MAINTAINER}\").")
endif()
set(PROJECT_VERSION "${CPACK_TESSARON_VERSION}")
set(TESSARON_MAINTAINER "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
configure_file("${CPACK_TESSARON_CHANGELOG_SOURCE}" "${CPACK_TESSARON_CHANGELOG}" @ONLY)
# gzip -n: no name or time stamp, the same bytes on every build.
execute_process(COMMAND gzip -9nf "${CPACK_TESSARON_CHANGELOG}" COMMAND_ERROR_IS_FATAL ANY)
