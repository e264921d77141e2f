# Installing and packaging: `cmake --install` and the Debian package (cpack -G DEB).
#
#   <prefix>/lib/clipwright/   the program folder: clipwright, clipwright-cli, tcore, mcore,
#                              Res.rcc, Help.html
#   <prefix>/bin/clipwright, <prefix>/bin/clipwright-cli   symbolic links to the programs in it
#
# The installed folder has no Config/, so the program runs in installed mode there and keeps
# its settings and log in the user's XDG folders.
include(GNUInstallDirs)
set(CLIPWRIGHT_INSTALL_APPDIR lib/clipwright CACHE STRING
  "The program folder, relative to the installation prefix")

install(TARGETS clipwright clipwright-cli tcore mcore RUNTIME DESTINATION ${CLIPWRIGHT_INSTALL_APPDIR})
install(FILES ${CLIPWRIGHT_APP_DIR}/Res.rcc ${CLIPWRIGHT_APP_DIR}/Help.html
  DESTINATION ${CLIPWRIGHT_INSTALL_APPDIR})

# bin/clipwright and bin/clipwright-cli: relative links made in the build tree and installed
# as links, so they hold under any prefix and in a package's staging folder.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-bin)
foreach(_program clipwright clipwright-cli)
  file(RELATIVE_PATH _link_target /p/${CMAKE_INSTALL_BINDIR}
    /p/${CLIPWRIGHT_INSTALL_APPDIR}/${_program})
  set(_link ${CMAKE_BINARY_DIR}/install-bin/${_program})
  file(CREATE_LINK ${_link_target} ${_link} SYMBOLIC)
  install(FILES ${_link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# The package's Depends. The package tools find the libraries the executables link to;
# the program also opens libavformat and libmpv with dlopen, which they cannot see, so those
# are named here with the dependency their own package declares for its users.
function(clipwright_dlopen_dependency out soname)
  find_library(_lib_${soname} NAMES ${soname} NO_CACHE)
  set(dep "")
  if(_lib_${soname})
    file(REAL_PATH ${_lib_${soname}} real)
    execute_process(COMMAND dpkg-query -S ${real} OUTPUT_VARIABLE owner
      RESULT_VARIABLE rc ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(rc EQUAL 0 AND owner MATCHES "^([^:, ]+)")
      set(package ${CMAKE_MATCH_1})
      set(dep ${package})
      string(REGEX MATCH "^(.+)\\.so\\.([0-9]+)$" _ ${soname})
      set(name ${CMAKE_MATCH_1})
      set(major ${CMAKE_MATCH_2})
      execute_process(COMMAND dpkg-query --control-show ${package} shlibs
        OUTPUT_VARIABLE shlibs RESULT_VARIABLE rc ERROR_QUIET)
      string(REGEX MATCH "(^|\n)${name} ${major} ([^\n]+)" _ "${shlibs}")
      if(rc EQUAL 0 AND CMAKE_MATCH_2)
        set(dep ${CMAKE_MATCH_2})
      endif()
    endif()
  endif()
  if(NOT dep)
    # Debian names a library's package after its soname: libmpv.so.2 is in libmpv2.
    string(REGEX REPLACE "^(.+)\\.so\\.([0-9]+)$" "\\1\\2" dep ${soname})
  endif()
  set(${out} ${dep} PARENT_SCOPE)
endfunction()

clipwright_dlopen_dependency(_avformat_dep ${CLIPWRIGHT_LIBAVFORMAT_SONAME})
clipwright_dlopen_dependency(_mpv_dep ${CLIPWRIGHT_LIBMPV_SONAME})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clipwright)
set(CPACK_PACKAGE_VENDOR "The Clipwright developers")
set(CPACK_PACKAGE_CONTACT "Clipwright <support@clipwright.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert video and audio for phones and portable players")
set(CPACK_PACKAGE_DESCRIPTION
  "Clipwright converts video and audio files into formats for mobile phones and portable\n\
players: 3GP and 3G2, MP4, AMR, AAC and MP3. Files can be trimmed while watching them\n\
in a built-in preview and converted in one batch with built-in or own quality profiles.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://clipwright.example.org)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_avformat_dep}, ${_mpv_dep}, fonts-liberation, xdg-utils")
include(CPack)
