# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Hardened and reproducible binaries by default, with the flags Debian builds its own packages
# with. They go in front of CMAKE_CXX_FLAGS and CMAKE_EXE_LINKER_FLAGS (which CXXFLAGS and
# LDFLAGS fill on the first configure), so that the flags a distribution passes come after them
# and win where the two differ.
option(TESSARON_HARDEN "Build with stack protector, fortified functions, full RELRO and PIE" ON)

if(TESSARON_HARDEN)
  set(CMAKE_CXX_FLAGS "-fstack-protector-strong -fstack-clash-protection -fcf-protection ${CMAKE_CXX_FLAGS}")
  set(CMAKE_EXE_LINKER_FLAGS "-Wl,-z,relro,-z,now ${CMAKE_EXE_LINKER_FLAGS}")
  # Fortified functions need an optimised build (glibc warns at -O0), and a distribution that
  # sets its own level keeps it.
  if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endif()
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()

# The build's own directories never reach a binary: the same source built anywhere gives the
# same bytes. The build directory is named last, so that it wins when it lies in the source.
set(CMAKE_CXX_FLAGS
    "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build ${CMAKE_CXX_FLAGS}")
