# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
# Run by cpack after it has made the packages, to give them what CPack cannot:
# - the debug-symbol package CPack makes lists its files in md5sums by their paths in the
#   staging directory and has no documentation directory; it is rebuilt as Debian's own dbgsym
#   packages are: md5sums by installed path, /usr/share/doc/tessaron-dbgsym a link to the game's
#   documentation (copyright, changelog);
# - the packages named in CPACK_TESSARON_FOREIGN_PACKAGES get "Multi-Arch: foreign".
# Every package is rebuilt by dpkg-deb, which writes its archive members with fixed modes
# where CPack writes them with the umask's, and dates them by SOURCE_DATE_EPOCH (set by
# package_maintainer_check.cmake); every folder is made 0755 whatever the umask. The packages
# are then the same bytes whoever builds them, wherever and whenever.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name "${package}" NAME)
  string(REGEX REPLACE "_.*" "" name "${name}")
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  if(package MATCHES "-dbgsym_[^/]*\\.ddeb$")
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
  elseif(name IN_LIST CPACK_TESSARON_FOREIGN_PACKAGES)
    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "\nDescription:" "\nMulti-Arch: foreign\nDescription:" control "${control}")
    file(WRITE "${tree}/DEBIAN/control" "${control}")
  endif()
  file(GLOB_RECURSE folders LIST_DIRECTORIES true "${tree}/*")
  foreach(folder IN LISTS folders)
    if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
      file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
           WORLD_EXECUTE)
    endif()
  endforeach()
  file(CHMOD "${tree}" "${tree}/DEBIAN" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
       WORLD_READ WORLD_EXECUTE)
  file(CHMOD "${tree}/DEBIAN/control" "${tree}/DEBIAN/md5sums" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  execute_process(COMMAND dpkg-deb --root-owner-group -b "${tree}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
