# Install rules and the Debian package. Installed, the binary finds its read-only files in
# ../share/quorlex and keeps each user's templates under the XDG data folder.
include(GNUInstallDirs)
set(QUORLEX_ID io.quorlex.Quorlex)
set(QUORLEX_DATA ${CMAKE_INSTALL_DATADIR}/quorlex)
set(QUORLEX_DOC ${CMAKE_INSTALL_DATADIR}/doc/quorlex)
set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(generated ${CMAKE_BINARY_DIR}/packaging)

# Symbols bound at start-up, so the relocation table can be made read-only.
target_link_options(quorlex PRIVATE -Wl,-z,relro,-z,now)
install(TARGETS quorlex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/templates ${CMAKE_SOURCE_DIR}/help DESTINATION ${QUORLEX_DATA})
install(FILES ${CMAKE_SOURCE_DIR}/resources/splash.png ${CMAKE_SOURCE_DIR}/resources/about.png
              ${CMAKE_SOURCE_DIR}/resources/placeholder.png ${CMAKE_SOURCE_DIR}/resources/quorlex.png
        DESTINATION ${QUORLEX_DATA}/resources)
install(FILES ${packaging}/${QUORLEX_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/${QUORLEX_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/${QUORLEX_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${packaging}/copyright DESTINATION ${QUORLEX_DOC})

# Icons drawn from the scalable one; compressed docs as Debian wants them.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP gzip REQUIRED)
set(svg ${CMAKE_SOURCE_DIR}/resources/quorlex.svg)
set(packaging_outputs)
foreach(size 48 128 256)
  set(png ${generated}/icons/${size}/${QUORLEX_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
    DEPENDS ${svg})
  list(APPEND packaging_outputs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${QUORLEX_ID}.svg)
foreach(doc changelog quorlex.1)
  add_custom_command(OUTPUT ${generated}/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}
    COMMAND ${GZIP} -9nc ${packaging}/${doc} > ${generated}/${doc}.gz
    DEPENDS ${packaging}/${doc})
  list(APPEND packaging_outputs ${generated}/${doc}.gz)
endforeach()
install(FILES ${generated}/changelog.gz DESTINATION ${QUORLEX_DOC})
install(FILES ${generated}/quorlex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(packaging_files ALL DEPENDS ${packaging_outputs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorlex)
set(CPACK_PACKAGE_VENDOR "Quorlex Developers")
set(CPACK_PACKAGE_CONTACT "Quorlex Developers <dev@quorlex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "customizes web page templates into finished sites")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorlex Developers <dev@quorlex.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quorlex.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The summary above is the package's synopsis; this is its extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorlex turns ready-made web page templates into a finished, customized
page with CSS navigation menus. Colors, fonts, images, layout and menus
are changed with a live preview, and the finished files are exported to
a folder. Sample templates are included; each user works on an own copy.")
include(CPack)
