# The Debian package, from the release preset:
#     cmake --preset release && cmake --build --preset release && (cd build-release && cpack -G DEB)
# Its dependencies come from dpkg-shlibdeps; a Japanese font is needed for the captions and a PDF
# viewer for Help.

# What Debian asks of every package beside the programs: the copyright and the changelog.
install(FILES docs/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# (A package built from this tree is native: its changelog is changelog.gz.)
set(changelog ${PROJECT_BINARY_DIR}/changelog)
add_custom_command(
    OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/debian/changelog ${changelog}
    COMMAND ${GZIP_PROGRAM} -9nf ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/docs/debian/changelog
    VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME structcalc)
set(CPACK_PACKAGE_VENDOR "The structcalc developers")
set(CPACK_PACKAGE_CONTACT "The structcalc developers <structcalc@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculators for structural engineers")
# The programs are named as the registry lists them (one structcalc_add_program call each).
get_property(programs GLOBAL PROPERTY STRUCTCALC_PROGRAMS)
list(LENGTH programs program_count)
list(JOIN programs ", " program_names)
set(CPACK_PACKAGE_DESCRIPTION "Desktop calculators and a command line for the members an engineer checks
daily: simple spans, cantilevers, portal frames, columns, cross-sections
and straight members on any supports under any loads.
The ${program_count} programs are
${program_names}.
Inputs convert with the units (mm, cm, m; N, kN), impossible inputs are refused
with the reason, the shear, moment and deflection diagrams come from an
exact solver, and each program has a reference document with every formula.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${STRUCTCALC_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pdf-viewer")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
