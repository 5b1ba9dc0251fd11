# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Read by cpack before it builds the packages: a package needs a maintainer, given at configure
# time by whoever builds it.
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_DEBIAN_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR
    "The Debian packages need a maintainer, as \"Name <address>\"; give yours when configuring:\n"
    "  cmake -S . -B build -DTESSARON_MAINTAINER=\"Jeanne Martin <jeanne.martin@example.org>\"\n"
    "then run cpack -G DEB again (maintainer now: \"${CPACK_DEBIAN_PACKAGE_MAINTAINER}\").")
endif()
