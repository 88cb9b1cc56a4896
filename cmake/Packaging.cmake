# The Debian package (scripts/package runs cpack on a build configured for /usr), and the documents it
# carries: the manual page, the copyright file and the changelog.
include(GNUInstallDirs)

# Folders the install creates get 755 whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian keeps manual pages and changelogs compressed; -n leaves out the name and time stamp, so the
# same text always gives the same package.
function(vellumo_compressed_document source compressed destination)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND gzip -9nc ${source} > ${compressed}
                     DEPENDS ${source} VERBATIM)
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()

configure_file(${PROJECT_SOURCE_DIR}/packaging/vellumo.1.in vellumo.1 @ONLY)
vellumo_compressed_document(${PROJECT_BINARY_DIR}/vellumo.1 ${PROJECT_BINARY_DIR}/vellumo.1.gz
                            ${CMAKE_INSTALL_MANDIR}/man1)
# The same page in the languages of eBay's big sites, packaging/vellumo.<language>.1.in, each installed as
# vellumo.1 in its language's folder, where man finds it for a desktop in that language.
set(VELLUMO_MANUAL_LANGUAGES de fr it es)
set(VELLUMO_TRANSLATED_MANUALS)
foreach(language IN LISTS VELLUMO_MANUAL_LANGUAGES)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/vellumo.${language}.1.in man/${language}/vellumo.1 @ONLY)
  vellumo_compressed_document(${PROJECT_BINARY_DIR}/man/${language}/vellumo.1
                              ${PROJECT_BINARY_DIR}/man/${language}/vellumo.1.gz
                              ${CMAKE_INSTALL_MANDIR}/${language}/man1)
  list(APPEND VELLUMO_TRANSLATED_MANUALS ${PROJECT_BINARY_DIR}/man/${language}/vellumo.1.gz)
endforeach()
# The package's documents go under its Debian name, not GNUInstallDirs' project-named DOCDIR.
set(VELLUMO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vellumo)
vellumo_compressed_document(${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/changelog.gz
                            ${VELLUMO_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${VELLUMO_DOC_DIR})
add_custom_target(vellumo_documents ALL DEPENDS ${PROJECT_BINARY_DIR}/vellumo.1.gz ${VELLUMO_TRANSLATED_MANUALS}
                                                ${PROJECT_BINARY_DIR}/changelog.gz)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumo)
set(CPACK_PACKAGE_VENDOR Brenvik)
set(CPACK_PACKAGE_CONTACT "Vellumo developers <vellumo@brenvik.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.brenvik.com/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer for the HTML descriptions of eBay listings")
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which CPack hands on with its quotes
# escaped for XML; verbatim, so that the quotes reach the control file as they are.
file(READ ${PROJECT_SOURCE_DIR}/packaging/description CPACK_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/description)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's layout is fixed in pixels and measured with this font; another sans serif works but may
# clip captions. Spelling needs a dictionary: US English, or that of the seller's language. Qt's standard
# buttons speak the window's language with Qt's own translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, hunspell-en-us | hunspell-dictionary, qt6-translations-l10n")
include(CPack)
