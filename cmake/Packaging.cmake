# The Debian package: its maintainer, copyright file, changelog and control fields.

# Debian wants manual pages and changelogs compressed to the maximum and without a time stamp, so
# that the package builds the same twice.
function(vennaros_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9nc ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${source}"
        VERBATIM)
endfunction()

# The maintainer is whoever made the last commit, unless the cache variable names someone; the
# address is never written into the repository.
set(VENNAROS_MAINTAINER "" CACHE STRING
    "Maintainer of the Debian package, \"Name <address>\" (default: the last commit's author)")
set(vennaros_maintainer "${VENNAROS_MAINTAINER}")
set(vennaros_release_epoch "")
find_package(Git QUIET)
if(GIT_FOUND)
    execute_process(COMMAND "${GIT_EXECUTABLE}" -C "${PROJECT_SOURCE_DIR}" log -1 "--format=%an <%ae>%n%ct"
        OUTPUT_VARIABLE git_last_commit ERROR_VARIABLE git_error RESULT_VARIABLE git_result
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(git_result EQUAL 0)
        string(REPLACE "\n" ";" git_last_commit "${git_last_commit}")
        list(GET git_last_commit 0 git_author)
        list(GET git_last_commit 1 vennaros_release_epoch)
        if(vennaros_maintainer STREQUAL "")
            set(vennaros_maintainer "${git_author}")
        endif()
    endif()
else()
    set(git_error "git is not installed")
endif()
if(vennaros_maintainer STREQUAL "")
    string(STRIP "${git_error}" git_error)
    message(FATAL_ERROR "The Debian package needs a maintainer and none is known: the last commit's "
        "author could not be read from ${PROJECT_SOURCE_DIR} (${git_error}). "
        "Configure with -DVENNAROS_MAINTAINER=\"Name <address>\".")
endif()
set(vennaros_mail_host "")
if(vennaros_maintainer MATCHES "^[^<>]+ <[^<>@ ]+@([^<>@ ]+)>$")
    set(vennaros_mail_host "${CMAKE_MATCH_1}")
endif()
if(NOT vennaros_mail_host MATCHES "[^.]\\.[^.]" OR vennaros_mail_host MATCHES "^localhost(\\.|$)")
    message(FATAL_ERROR "The Debian package's maintainer \"${vennaros_maintainer}\" is not "
        "\"Name <address>\" with a real mail host. Configure with -DVENNAROS_MAINTAINER=\"Name <address>\".")
endif()
message(STATUS "Debian package maintainer: ${vennaros_maintainer}")

# The changelog is dated by the last commit, so that rebuilding the same commit gives the same
# package; outside a repository SOURCE_DATE_EPOCH or the time of configuring dates it.
if(NOT vennaros_release_epoch STREQUAL "" AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "${vennaros_release_epoch}")
    string(TIMESTAMP vennaros_release_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
    unset(ENV{SOURCE_DATE_EPOCH})
else()
    string(TIMESTAMP vennaros_release_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()

# The machine-readable copyright file quotes LICENSE, so that the two never differ.
file(STRINGS "${PROJECT_SOURCE_DIR}/LICENSE" vennaros_copyright_line REGEX "^Copyright ")
string(REGEX REPLACE "^Copyright (\\([cC]\\) )?" "" vennaros_copyright "${vennaros_copyright_line}")
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" vennaros_license)
string(REGEX REPLACE "^.*\n(Permission is hereby granted)" "\\1" vennaros_license "${vennaros_license}")
string(STRIP "${vennaros_license}" vennaros_license)
string(REGEX REPLACE "\n\n" "\n.\n" vennaros_license "${vennaros_license}")
string(REPLACE "\n" "\n " vennaros_license "${vennaros_license}")
set(vennaros_doc_dir "${PROJECT_BINARY_DIR}/doc")
file(WRITE "${vennaros_doc_dir}/copyright"
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: ${PROJECT_NAME}\n"
    "\n"
    "Files: *\n"
    "Copyright: ${vennaros_copyright}\n"
    "License: Expat\n"
    " ${vennaros_license}\n")

set(VENNAROS_MAINTAINER_FIELD "${vennaros_maintainer}")
set(VENNAROS_RELEASE_DATE "${vennaros_release_date}")
configure_file("${PROJECT_SOURCE_DIR}/data/changelog.in" "${vennaros_doc_dir}/changelog" @ONLY)
vennaros_gzip("${vennaros_doc_dir}/changelog" "${vennaros_doc_dir}/changelog.gz")
add_custom_target(vennaros_changelog ALL DEPENDS "${vennaros_doc_dir}/changelog.gz")
install(FILES "${vennaros_doc_dir}/copyright" "${vennaros_doc_dir}/changelog.gz"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/vennaros")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vennaros")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${vennaros_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print setting circles for telescope mounts")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Prints graduated setting circle strips that you cut out and wrap around the
two axes of a telescope mount: an altitude circle for the altitude or
declination axis (90-0-90-0), and an azimuth circle (0 to 360 degrees,
numbered up or down) or a right-ascension circle (0 to 24 hours).

You type the axis diameter or the strip length in millimetres or inches and
choose the graduation, the ink styles and up to three sets of mark widths,
heights and font sizes. One page prints on any CUPS printer or with the
built-in PDF printer, at its exact size and never scaled to fit the paper; a
printer may still be off by about one percent, so measure before cutting.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
if(VENNAROS_HOME_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VENNAROS_HOME_URL}")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Only the single-stroke drawings need it; the program says so when it is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hershey-fonts-data")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
