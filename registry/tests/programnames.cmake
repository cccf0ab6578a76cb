# Checks that what a program is lives in its own folder: outside the program folders no code,
# build rule or tool setting names a program (its folder, its namespace, its catalogue target or
# its name as a string), except the one line per program that registers it in the top-level
# CMakeLists.txt. Documents, tests, benchmarks, fuzz targets and scripts may name programs as
# examples; comments too.
#   cmake -DSOURCE_DIR=... -DPROGRAMS="Beams;..." -DIDS="beams;..." -P programnames.cmake

cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" LIST_DIRECTORIES false
     "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.in" "${SOURCE_DIR}/*.cmake"
     "${SOURCE_DIR}/CMakeLists.txt" "${SOURCE_DIR}/.clang-tidy")
set(found "")
foreach(file IN LISTS files)
    # Build trees, the program folders themselves, and what may name programs as examples.
    if(file MATCHES "^(build[^/]*|bench|fuzz|docs|scripts)/" OR file MATCHES "(^|/)tests/")
        continue()
    endif()
    set(own FALSE)
    foreach(id IN LISTS IDS)
        if(file MATCHES "^${id}/")
            set(own TRUE)
        endif()
    endforeach()
    if(own)
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" lines)
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        # Comments may give a program as an example.
        if(file MATCHES "\\.(h|cpp|in)$")
            string(REGEX REPLACE "//.*" "" code "${line}")
        else()
            string(REGEX REPLACE "#.*" "" code "${line}")
        endif()
        foreach(entry IN ZIP_LISTS PROGRAMS IDS)
            set(name ${entry_0})
            set(id ${entry_1})
            if(file MATCHES "\\.(h|cpp|in)$")
                # A program's header or namespace, its catalogue, or its name compared or written.
                set(pattern "(^|[^A-Za-z0-9_])${id}(/|::|_catalogue)|\"${name}\"")
            else()
                # Build rules and tool settings: the word itself.
                set(pattern "(^|[^A-Za-z0-9_])(${id}|${name})([^A-Za-z0-9_]|$)")
            endif()
            # "Member" is also the sheet's word for the member a calculation is of.
            if(code MATCHES "${pattern}" AND NOT (file STREQUAL "CMakeLists.txt" AND code MATCHES
                                                  "^add_subdirectory\\(${id}\\)$")
               AND NOT code MATCHES "headerCell\\(tx\\(\"${name}\"\\), orDash\\(head\\.member\\)")
                string(APPEND found "\n  ${file}:${number}: ${line}")
                break()
            endif()
        endforeach()
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "Program knowledge outside the program folders:${found}")
endif()
