# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Run by cpack after it has made the packages. The debug-symbol package CPack makes lists its
# files in md5sums by their paths in the staging directory and has no documentation directory;
# this rebuilds it as Debian's own dbgsym packages are: md5sums by installed path, and
# /usr/share/doc/tessaron-dbgsym a link to the game's documentation (copyright, changelog).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "-dbgsym_[^/]*\\.ddeb$")
    continue()
  endif()
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY "${tree}/usr/share/doc")
  file(CREATE_LINK tessaron "${tree}/usr/share/doc/tessaron-dbgsym" SYMBOLIC)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${tree}" "${tree}/usr/*")
  list(SORT files)
  set(sums "")
  foreach(path IN LISTS files)
    if(NOT IS_SYMLINK "${tree}/${path}")
      # Symbol files are data, not programs.
      file(CHMOD "${tree}/${path}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
      file(MD5 "${tree}/${path}" sum)
      string(APPEND sums "${sum}  ${path}\n")
    endif()
  endforeach()
  file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")
  execute_process(COMMAND dpkg-deb --root-owner-group -b "${tree}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
