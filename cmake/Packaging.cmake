# What the Debian package holds beyond the programs and data: manual pages made from the programs' --help, shell
# completion, the software-centre entry, the copyright file and changelog; and the CPack settings that package it
# (scripts/package runs CPack).
include(GNUInstallDirs)

# The package's version and date come from the changelog, whose first entry must be this release.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog TINTORIUM_CHANGELOG)
list(GET TINTORIUM_CHANGELOG 0 tintorium_changelog_head)
if(NOT tintorium_changelog_head MATCHES "^tintorium \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with version ${PROJECT_VERSION}: ${tintorium_changelog_head}")
endif()
foreach(line IN LISTS TINTORIUM_CHANGELOG)
  if(line MATCHES "^ -- (.+ <.+>)  [A-Z][a-z][a-z], ([0-9]+ [A-Z][a-z][a-z] [0-9]+) ")
    set(TINTORIUM_MAINTAINER "${CMAKE_MATCH_1}")
    set(TINTORIUM_RELEASE_DATE "${CMAKE_MATCH_2}")
    break()
  endif()
endforeach()

# Manual pages, from the same text --help prints.
set(TINTORIUM_MAN_DIR ${PROJECT_BINARY_DIR}/man)
set(TINTORIUM_MAN_PAGES ${TINTORIUM_MAN_DIR}/tintorium.1 ${TINTORIUM_MAN_DIR}/tintorium-cli.1)
add_custom_command(OUTPUT ${TINTORIUM_MAN_PAGES} ${TINTORIUM_MAN_DIR}/tintorium.1.gz ${TINTORIUM_MAN_DIR}/tintorium-cli.1.gz
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/make-man $<TARGET_FILE:tintorium> $<TARGET_FILE:tintorium-cli>
    ${PROJECT_VERSION} "${TINTORIUM_RELEASE_DATE}" ${TINTORIUM_MAN_DIR}
  DEPENDS tintorium tintorium-cli ${PROJECT_SOURCE_DIR}/scripts/make-man
  COMMENT "Writing the manual pages from --help"
  VERBATIM)
add_custom_target(manpages ALL DEPENDS ${TINTORIUM_MAN_PAGES})
install(FILES ${TINTORIUM_MAN_DIR}/tintorium.1.gz ${TINTORIUM_MAN_DIR}/tintorium-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Shell completion, where each shell looks for it.
set(completions ${PROJECT_SOURCE_DIR}/packaging/completions)
install(FILES ${completions}/tintorium-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME tintorium-cli)
install(FILES ${completions}/tintorium.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME tintorium)
install(FILES ${completions}/_tintorium-cli ${completions}/_tintorium
  DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${completions}/tintorium-cli.fish ${completions}/tintorium.fish
  DESTINATION ${CMAKE_INSTALL_DATADIR}/fish/vendor_completions.d)

# The software-centre entry and the screenshots it shows (docs/screenshots, made by scripts/screenshots).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.tintorium.Tintorium.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/docs/screenshots/main-window.png
  ${PROJECT_SOURCE_DIR}/docs/screenshots/variations-dream.png ${PROJECT_SOURCE_DIR}/docs/screenshots/contrast-analyze.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/tintorium/screenshots)

# Debian's copyright file and changelog (gzip -9n: no name, no time stamp).
set(tintorium_changelog_gz ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${tintorium_changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/packaging/changelog' > '${tintorium_changelog_gz}'"
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${tintorium_changelog_gz})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${tintorium_changelog_gz}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tintorium)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintorium)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${TINTORIUM_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TINTORIUM_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-scheme designer with palettes and a command-line tool")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tintorium designs colour schemes: pick colours from the screen or a colour
wheel, mix them, build harmonies and variations, check the contrast of text on
a background by WCAG 1.0 and 2, and keep the results in palettes that are read
from and written to swatch files, GIMP palettes, CSS, SCSS, design tokens and
pictures.
.
The package also holds tintorium-cli, the same colour work for scripts, with
JSON output.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# DESTDIR staging keeps the install step from refreshing MIME and desktop caches inside the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
include(CPack)
