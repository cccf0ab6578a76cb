# Run by `cmake --install` for each program: its link in bin/ and its desktop entry, whose
# Exec line names the prefix this installation goes to.
#   STRUCTCALC_PROGRAM "Beams", STRUCTCALC_ENTRY the entry written at build time (without Exec),
#   STRUCTCALC_BINDIR, STRUCTCALC_APPLICATIONS (below the prefix), STRUCTCALC_LINK_FOLDER (the
#   program folder as seen from bin/).

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${root}/${STRUCTCALC_BINDIR}" "${root}/${STRUCTCALC_APPLICATIONS}")

set(link "${root}/${STRUCTCALC_BINDIR}/${STRUCTCALC_PROGRAM}")
message(STATUS "Installing: ${link}")
file(REMOVE "${link}")
file(CREATE_LINK "${STRUCTCALC_LINK_FOLDER}/${STRUCTCALC_PROGRAM}" "${link}" SYMBOLIC)

set(exec "${CMAKE_INSTALL_PREFIX}/${STRUCTCALC_BINDIR}/${STRUCTCALC_PROGRAM}")
if(exec MATCHES " ")
    set(exec "\"${exec}\"")
endif()
file(READ "${STRUCTCALC_ENTRY}" text)
string(REPLACE "\nIcon=" "\nExec=${exec}\nIcon=" text "${text}")
get_filename_component(name "${STRUCTCALC_ENTRY}" NAME_WE)
set(entry "${root}/${STRUCTCALC_APPLICATIONS}/${name}.desktop")
message(STATUS "Installing: ${entry}")
file(WRITE "${entry}" "${text}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}" "${entry}")
