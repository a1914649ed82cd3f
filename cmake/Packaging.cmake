# The Debian package: `cpack -G DEB` in a build folder (scripts/package).
set(CPACK_PACKAGE_NAME skyburst3d)
set(CPACK_PACKAGE_VENDOR "Skyburst 3D developers")
set(CPACK_PACKAGE_CONTACT "Skyburst 3D developers <skyburst3d@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/skyburst3d/skyburst3d)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "artillery game for two players on a 3D landscape")
set(CPACK_PACKAGE_DESCRIPTION [[
Skyburst 3D is an artillery game for two players at one computer, on a new
random landscape of ring-shaped ridges for every game. In turn, each player
sets the power, direction and elevation of the shot with the mouse and fires
into the wind; the missile digs a crater, throws up debris and costs nearby
players energy by distance. A computer player can aim at three levels of
skill. Six colour schemes; German, English and Portuguese.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps finds the linked libraries (Qt, SDL). OpenGL and GLU are
# opened with dlopen at start, and Qt loads its platform plugin at run time,
# so those are named here; Mesa's drivers give the 3D view on any machine.
# The captions were laid out for Liberation Sans (src/platform/widgets_qt.cpp):
# in a wider fallback font they run past their frames.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libglu1-mesa, qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")

include(CPack)
