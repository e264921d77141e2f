# Installing and packaging: `cmake --install` and the Debian package (cpack -G DEB).
#
#   <prefix>/lib/clipwright/   the program folder: clipwright, clipwright-cli, tcore, mcore,
#                              Res.rcc, Help.html
#   <prefix>/share/clipwright/translations/   the .qm files of the program's languages
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

# The package's Depends. The package tools find the libraries the executables link to
# (libavformat among them, through the encoder) with the floors their symbols need; the program
# also opens libmpv with dlopen, which they cannot see, so it is named here by its package,
# which Debian names after the soname (libmpv.so.2 is in libmpv2). Its soname already fixes
# the interface we use, so no version floor is added.
string(REGEX REPLACE "^(.+)\\.so\\.([0-9]+)$" "\\1\\2" _mpv_dep ${CLIPWRIGHT_LIBMPV_SONAME})

# The documents Debian expects of a package: the machine-readable copyright file, the
# changelog and the man pages, compressed as the policy asks (gzip -n: no time stamp).
set(_package_doc ${CMAKE_BINARY_DIR}/package-doc)
file(MAKE_DIRECTORY ${_package_doc})
set(_man_pages clipwright.1 clipwright-cli.1)
set(_compressed ${_package_doc}/changelog.gz)
add_custom_command(OUTPUT ${_package_doc}/changelog.gz
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/resources/package/changelog > ${_package_doc}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/package/changelog VERBATIM)
foreach(_page ${_man_pages})
  add_custom_command(OUTPUT ${_package_doc}/${_page}.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/resources/desktop/${_page} > ${_package_doc}/${_page}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/desktop/${_page} VERBATIM)
  list(APPEND _compressed ${_package_doc}/${_page}.gz)
  install(FILES ${_package_doc}/${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(clipwright_package_docs ALL DEPENDS ${_compressed})
install(FILES ${CMAKE_SOURCE_DIR}/resources/package/copyright ${_package_doc}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/clipwright)
install(FILES ${CMAKE_SOURCE_DIR}/resources/package/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME clipwright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clipwright)
set(CPACK_PACKAGE_VENDOR "The Clipwright developers")
set(CPACK_PACKAGE_CONTACT "Clipwright <support@clipwright.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert video and audio for phones and portable players")
set(CPACK_PACKAGE_DESCRIPTION
  "Clipwright converts video and audio files into formats for mobile phones\n\
and portable players: 3GP and 3G2, MP4, AMR, AAC and MP3. Files can be\n\
trimmed while watching them in a built-in preview and converted in one\n\
batch with built-in or own quality profiles.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://clipwright.example.org)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_mpv_dep}, fonts-liberation, xdg-utils")
# Chinese captions need a font with its characters; any common one will do.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
