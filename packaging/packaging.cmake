# The Debian package: cpack -G DEB in a build configured with the Debian
# build flags (scripts/package.sh does both).
include(GNUInstallDirs)
find_program(GZIP_PROGRAM gzip REQUIRED)

# Debian wants its documentation compressed with gzip -9n (no time stamp).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/parabolix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/parabolix.1.in ${CMAKE_CURRENT_BINARY_DIR}/parabolix.1 @ONLY)
foreach(page ${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/parabolix.1)
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
    COMMAND ${GZIP_PROGRAM} -9n -c ${page} > ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
    DEPENDS ${page} VERBATIM)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
                                             ${CMAKE_CURRENT_BINARY_DIR}/parabolix.1.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${doc_dir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/parabolix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME parabolix)
set(CPACK_PACKAGE_VENDOR "Parabolix developers")
set(CPACK_PACKAGE_CONTACT "Parabolix developers <developers@parabolix.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "parabola through three points, as a riddle")
set(CPACK_PACKAGE_DESCRIPTION "A parabola y = ax^2 + bx + c takes the values m, n and p at x = 1, 2
and 3. Parabolix finds a, b and c and writes the polynomial out, or poses
a fresh riddle by drawing three random numbers from 1 to 101.

The window is in Polish and reads numbers with the user's decimal
separator.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's font is found at run time, so no library names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
