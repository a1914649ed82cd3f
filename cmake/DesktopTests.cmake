# Checks of what the desktop reads besides the program: the menu entry, the
# AppStream data, the manual page, and the installed tree as a whole.
find_program(SKY_DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(SKY_APPSTREAMCLI appstreamcli REQUIRED)
find_program(SKY_GROFF groff REQUIRED)

add_test(NAME manual_page_clean
  COMMAND ${SKY_PRIVATE_HOME} ${SKY_GROFF} -man -ww -z -Tutf8 ${PROJECT_SOURCE_DIR}/data/skyburst3d.6)
set_tests_properties(manual_page_clean PROPERTIES FAIL_REGULAR_EXPRESSION "warning:|error:")

set(install_check ${CMAKE_BINARY_DIR}/install-check)
add_test(NAME install_tree
  COMMAND ${SKY_PRIVATE_HOME} ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPREFIX=${install_check} -DAPP_ID=${SKY_APP_ID}
          -P ${PROJECT_SOURCE_DIR}/cmake/CheckInstall.cmake)
set_tests_properties(install_tree PROPERTIES FIXTURES_SETUP installed_tree)

# The menu entry as installed, with the program's path written in.
add_test(NAME desktop_entry_valid
  COMMAND ${SKY_PRIVATE_HOME} ${SKY_DESKTOP_FILE_VALIDATE} ${install_check}/share/applications/${SKY_APP_ID}.desktop)
# The validator fails only on errors; its warnings count here too.
set_tests_properties(desktop_entry_valid PROPERTIES FIXTURES_REQUIRED installed_tree
  FAIL_REGULAR_EXPRESSION "error:|warning:")

# Validates the AppStream data as installed, which also finds the desktop
# entry it launches. Only the pedantic note on the capitals of the id, which
# the id keeps, may remain.
add_test(NAME metainfo_valid
  COMMAND ${SKY_PRIVATE_HOME} ${SKY_APPSTREAMCLI} validate-tree --no-net --pedantic --strict ${install_check})
set_tests_properties(metainfo_valid PROPERTIES FIXTURES_REQUIRED installed_tree)
