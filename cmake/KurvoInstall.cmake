# What `cmake --install` puts under the prefix, and the Debian package
# `cpack -G DEB` builds from it.
include(GNUInstallDirs)

set(KURVO_ID org.kurvo32.Kurvo32)
set(KURVO_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
set(KURVO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kurvo32)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS kurvo32 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KURVO_DESKTOP_DIR}/${KURVO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KURVO_DESKTOP_DIR}/${KURVO_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${KURVO_DESKTOP_DIR}/${KURVO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/icons/kurvo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${KURVO_ID}.svg)
install(FILES ${KURVO_DESKTOP_DIR}/application-x-kurvofile.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${KURVO_DOC_DIR}/html)
install(FILES ${KURVO_DESKTOP_DIR}/copyright DESTINATION ${KURVO_DOC_DIR})

# The manual page and the changelog go compressed, as Debian expects.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed "")
foreach(pair "kurvo32.1|man/kurvo32.1.gz" "changelog|doc/changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 output)
  set(output ${PROJECT_BINARY_DIR}/${output})
  get_filename_component(folder ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${GZIP_PROGRAM} -9n -c ${KURVO_DESKTOP_DIR}/${source} > ${output}
    DEPENDS ${KURVO_DESKTOP_DIR}/${source} VERBATIM)
  list(APPEND compressed ${output})
endforeach()
add_custom_target(kurvo_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${PROJECT_BINARY_DIR}/man/kurvo32.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz DESTINATION ${KURVO_DOC_DIR})

set(CPACK_PACKAGE_NAME kurvo32)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kurvo32 developers")
set(CPACK_PACKAGE_CONTACT "Kurvo32 developers <developers@kurvo32.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graph editor for teaching and learning mathematics")
set(CPACK_PACKAGE_DESCRIPTION
    "Pupils type formulas the way a lesson writes them and see curves,\nshaded regions, derivatives, tangents and data sets; teachers lock parts\nof the interface with a password, for a whole classroom at once.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
