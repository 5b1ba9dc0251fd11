# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Read by cpack before it builds the packages: a package needs a maintainer, given at configure
# time by whoever builds it (or to cpack with -D CPACK_DEBIAN_PACKAGE_MAINTAINER=...), who also
# signs the changelog and is the contact named in the copyright written here. The packages'
# time stamps are the changelog's date unless SOURCE_DATE_EPOCH says otherwise: the same source
# gives the same packages, byte for byte, whenever it is packaged.
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
configure_file("${CPACK_TESSARON_COPYRIGHT_SOURCE}" "${CPACK_TESSARON_COPYRIGHT}" @ONLY)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND dpkg-parsechangelog -l "${CPACK_TESSARON_CHANGELOG}" -S Timestamp
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
# gzip -n: no name or time stamp, the same bytes on every build.
execute_process(COMMAND gzip -9nf "${CPACK_TESSARON_CHANGELOG}" COMMAND_ERROR_IS_FATAL ANY)
