# The Debian package: "cpack -G DEB" in the build directory packs everything
# "cmake --install" installs (the programs, the post-analysis library with
# its header, CMake and pkg-config files, the default configuration files
# and the manual pages) into one package installed under /usr.
set(TUK_DEB_PACKAGE_NAME template-usage-kxdf)
set(TUK_DEB_MAINTAINER "Halcyra <support@halcyra.example>")
set(_tuk_deb_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${TUK_DEB_PACKAGE_NAME})
set(_tuk_deb_build_dir ${PROJECT_BINARY_DIR}/packaging)

# Debian wants the copyright file plain and the changelog compressed with
# "gzip -9n" in /usr/share/doc/PACKAGE.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${_tuk_deb_build_dir}/changelog @ONLY)
add_custom_command(OUTPUT ${_tuk_deb_build_dir}/changelog.gz
  COMMAND ${TUK_GZIP} -9nkf ${_tuk_deb_build_dir}/changelog
  DEPENDS ${_tuk_deb_build_dir}/changelog
  VERBATIM)
add_custom_target(deb_changelog ALL DEPENDS ${_tuk_deb_build_dir}/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${_tuk_deb_build_dir}/changelog.gz
  DESTINATION ${_tuk_deb_doc_dir} COMPONENT doc)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TUK_DEB_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR Halcyra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TUK_DEB_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Template Usage Report generator for analysed C++ projects")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TUK_DEB_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Runtime dependencies come from the linked libraries (dpkg-shlibdeps), so
# a program added later brings its libraries' packages along by itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libtukpal.so.1 is a public library: an shlibs file and the ldconfig
# trigger go with it (CPack itself only calls ldconfig from postinst and
# postrm, which dpkg's trigger makes redundant but does no harm).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

if(TUK_BUILD_TESTS AND NOT TUK_SANITIZE)
  # Builds the package, installs it into a scratch root and runs it there.
  add_test(NAME deb_package_builds_installs_and_runs
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/test_deb_package.sh
      ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(deb_package_builds_installs_and_runs PROPERTIES TIMEOUT 300)
endif()
