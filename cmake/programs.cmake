# One call per program of the family makes everything the program is: its catalogue library,
# its window, its reference document, its desktop entry and icon, its installation and its
# tests.
#
#     structcalc_add_program(NAME Beams ID beams HELP Beams.pdf
#                            SOURCES program.cpp cases.cpp sketches.cpp)
#
# The program's folder holds main.cpp, the public header ID.h (namespace ID, ID::program()),
# its icon icon.svg and its tests in tests/. The registry lists the programs in the order of
# these calls; the top-level CMakeLists.txt makes them, one line per program.

set(STRUCTCALC_INSTALL_PROGRAMDIR "${CMAKE_INSTALL_LIBDIR}/structcalc"
    CACHE STRING "Folder below the prefix for the programs and their reference documents")
set(STRUCTCALC_HOMEPAGE "https://example.org/structcalc"
    CACHE STRING "Web address of the project, named in the AppStream metainfo")
# The date of the build, for the manual pages and the metainfo; SOURCE_DATE_EPOCH, where set,
# makes it reproducible.
string(TIMESTAMP STRUCTCALC_BUILD_DATE "%Y-%m-%d" UTC)
find_program(GZIP_PROGRAM gzip REQUIRED)

# The libraries a program opens on demand (the sheet's writer, the printer dialog) lie beside
# its executable in the build tree as they do when installed: a link to each beside it.
#
#     structcalc_beside(structcalc structcalc_sheet)
function(structcalc_beside target)
    foreach(library IN LISTS ARGN)
        add_dependencies(${target} ${library})
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E create_symlink $<TARGET_FILE:${library}>
                    $<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_NAME:${library}>
            VERBATIM)
    endforeach()
endfunction()

# Every program's reference document, written at build time.
add_custom_target(reference_pdfs ALL)

function(structcalc_add_program)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;ID;HELP" "SOURCES")
    if(NOT arg_NAME OR NOT arg_ID OR NOT arg_HELP OR NOT arg_SOURCES)
        message(FATAL_ERROR "structcalc_add_program needs NAME, ID, HELP and SOURCES")
    endif()
    set(catalogue ${arg_ID}_catalogue)
    add_library(${catalogue} STATIC ${arg_SOURCES})
    target_link_libraries(${catalogue} PUBLIC shell_core)
    set_property(GLOBAL APPEND PROPERTY STRUCTCALC_PROGRAMS ${arg_NAME})
    set_property(GLOBAL APPEND PROPERTY STRUCTCALC_PROGRAM_IDS ${arg_ID})
    # A fuzz build needs the catalogue alone: no window, document, files or tests.
    if(STRUCTCALC_FUZZ)
        return()
    endif()

    add_executable(${arg_NAME} main.cpp)
    # The window hands a saved calculation of another program of the family to that program:
    # it knows their names (family_names, made with the registry after the last call), not
    # their catalogues.
    target_link_libraries(${arg_NAME} PRIVATE ${catalogue} shell_qt family_names)
    # Export and Print open these when they are chosen.
    structcalc_beside(${arg_NAME} structcalc_sheet structcalc_printer)

    # Help opens the document beside the running executable: written there in the build tree
    # too, and again whenever a catalogue changes (refdoc is relinked then): in Japanese Beams.pdf,
    # in English Beams.en.pdf beside it.
    set(document ${CMAKE_CURRENT_BINARY_DIR}/${arg_HELP})
    string(REGEX REPLACE "\\.pdf$" ".en.pdf" english_help ${arg_HELP})
    set(english_document ${CMAKE_CURRENT_BINARY_DIR}/${english_help})
    foreach(language IN ITEMS ja en)
        set(written ${document})
        if(language STREQUAL "en")
            set(written ${english_document})
        endif()
        get_filename_component(written_name ${written} NAME)
        add_custom_command(
            OUTPUT ${written}
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                    $<TARGET_FILE:refdoc> --lang ${language} ${arg_NAME} ${written}
            DEPENDS refdoc
            COMMENT "Writing the reference document ${written_name}"
            VERBATIM)
    endforeach()

    # The desktop entry as the program value describes it; the installation adds its Exec line.
    set(entry ${CMAKE_CURRENT_BINARY_DIR}/structcalc-${arg_ID}.desktop.in)
    add_custom_command(
        OUTPUT ${entry}
        COMMAND programfiles desktop ${arg_NAME} ${entry}
        DEPENDS programfiles
        COMMENT "Writing the desktop entry of ${arg_NAME}"
        VERBATIM)
    # The AppStream metainfo and the manual page, from the program value too.
    set(metainfo ${CMAKE_CURRENT_BINARY_DIR}/structcalc-${arg_ID}.metainfo.xml)
    add_custom_command(
        OUTPUT ${metainfo}
        COMMAND programfiles metainfo ${arg_NAME} ${metainfo} ${PROJECT_VERSION} ${STRUCTCALC_BUILD_DATE}
                ${STRUCTCALC_HOMEPAGE}
        DEPENDS programfiles
        COMMENT "Writing the AppStream metainfo of ${arg_NAME}"
        VERBATIM)
    set(manpage ${CMAKE_CURRENT_BINARY_DIR}/${arg_NAME}.1)
    add_custom_command(
        OUTPUT ${manpage}.gz
        COMMAND programfiles manpage ${arg_NAME} ${manpage} ${PROJECT_VERSION} ${STRUCTCALC_BUILD_DATE}
        COMMAND ${GZIP_PROGRAM} -9nf ${manpage}
        DEPENDS programfiles
        COMMENT "Writing the manual page of ${arg_NAME}"
        VERBATIM)
    add_custom_target(${arg_ID}_files ALL DEPENDS ${document} ${english_document} ${entry} ${metainfo} ${manpage}.gz)
    add_dependencies(reference_pdfs ${arg_ID}_files)

    # The program and its document go together into one folder below the prefix, with a link
    # in bin/ for the command line and the desktop entry.
    install(TARGETS ${arg_NAME} RUNTIME DESTINATION ${STRUCTCALC_INSTALL_PROGRAMDIR})
    install(FILES ${document} ${english_document} DESTINATION ${STRUCTCALC_INSTALL_PROGRAMDIR})
    install(FILES icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME structcalc-${arg_ID}.svg)
    install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${manpage}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    file(RELATIVE_PATH link_folder /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${STRUCTCALC_INSTALL_PROGRAMDIR})
    install(CODE "set(STRUCTCALC_PROGRAM \"${arg_NAME}\")
set(STRUCTCALC_ENTRY \"${entry}\")
set(STRUCTCALC_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
set(STRUCTCALC_APPLICATIONS \"${CMAKE_INSTALL_DATADIR}/applications\")
set(STRUCTCALC_LINK_FOLDER \"${link_folder}\")
include(\"${PROJECT_SOURCE_DIR}/cmake/installentry.cmake\")")

    if(BUILD_TESTING AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests/CMakeLists.txt)
        add_subdirectory(tests)
    endif()
endfunction()
