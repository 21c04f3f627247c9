# The Debian package: both programs, the desktop entry and icon, the manual page and Qt's
# Polish texts, made by `cpack -G DEB` (or the package target) in a build folder.
install(TARGETS mirta mirta-okno RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/mirta.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/mirta.svg
        DESTINATION share/icons/hicolor/scalable/apps)

# Debian keeps manual pages compressed.
set(MIRTA_MAN_GZ ${PROJECT_BINARY_DIR}/mirta.1.gz)
add_custom_command(OUTPUT ${MIRTA_MAN_GZ}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/mirta.1 > ${MIRTA_MAN_GZ}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/mirta.1)
add_custom_target(mirta_man ALL DEPENDS ${MIRTA_MAN_GZ})
install(FILES ${MIRTA_MAN_GZ} DESTINATION share/man/man1)

# Qt's Polish texts (Tak/Nie/Anuluj), read from here when the system has none.
find_package(Qt6 REQUIRED COMPONENTS Core)
set(MIRTA_QT_TLUMACZENIA "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
if(EXISTS "${MIRTA_QT_TLUMACZENIA}/qtbase_pl.qm")
    install(FILES "${MIRTA_QT_TLUMACZENIA}/qtbase_pl.qm" DESTINATION share/mirta/translations)
else()
    message(NOTICE "No qtbase_pl.qm in ${MIRTA_QT_TLUMACZENIA}: the package goes without it")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirta)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Mirta")
set(CPACK_PACKAGE_CONTACT "Dział kadr <kadry@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kadry jednostki: akta osobowe, staż, urlopy, płace, SPD")
set(CPACK_PACKAGE_DESCRIPTION
    "Program kadrowy jednostki służby mundurowej: akta osobowe, staż, urlopy, wynagrodzenia, "
    "dokumenty z szablonów RTF, przesyłki SPD i dane dla programu płacowego. "
    "Zawiera program okienkowy mirta-okno i polecenie mirta.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
