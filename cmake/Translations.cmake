# The program's texts in other languages: translations/vennaros_<lang>.ts are the sources, built
# into .qm files with lrelease and compiled into vennaros_app (src/app) as resources under :/i18n,
# so the program and the tests find them without installing. Only Qt's l10n tools are needed, not
# its tools' development package.
set(VENNAROS_LANGUAGES fr de es it nl pl pt_BR ru cs)

find_program(VENNAROS_LRELEASE lrelease
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)
find_program(VENNAROS_LUPDATE lupdate
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)

set(VENNAROS_TS_FILES "")
foreach(lang IN LISTS VENNAROS_LANGUAGES)
    list(APPEND VENNAROS_TS_FILES "${PROJECT_SOURCE_DIR}/translations/vennaros_${lang}.ts")
endforeach()

# vennaros_add_translations(TARGET): the .qm files as resources of TARGET (called where TARGET is
# made: the rules for the .qm files must be in the same directory as the resource that needs them).
function(vennaros_add_translations target)
    set(qm_files "")
    foreach(lang IN LISTS VENNAROS_LANGUAGES)
        set(ts "${PROJECT_SOURCE_DIR}/translations/vennaros_${lang}.ts")
        set(qm "${PROJECT_BINARY_DIR}/translations/vennaros_${lang}.qm")
        add_custom_command(OUTPUT "${qm}"
            COMMAND "${VENNAROS_LRELEASE}" -silent "${ts}" -qm "${qm}"
            DEPENDS "${ts}" VERBATIM)
        list(APPEND qm_files "${qm}")
    endforeach()
    qt_add_resources(${target} vennaros_translations
        PREFIX /i18n BASE "${PROJECT_BINARY_DIR}/translations" FILES ${qm_files})
endfunction()

# After changing texts in the sources: `cmake --build build --target update_translations` adds them
# to every .ts file (and marks vanished ones obsolete); translate the new entries, then build.
add_custom_target(update_translations
    COMMAND "${VENNAROS_LUPDATE}" -silent -locations none -no-obsolete "${PROJECT_SOURCE_DIR}/src"
        -ts ${VENNAROS_TS_FILES}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" VERBATIM)
