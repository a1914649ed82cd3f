# Installs a build into a fresh folder and checks that everything a desktop
# needs is where it looks for it, the bitmaps of the icon at their sizes.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> -DAPP_ID=<id> -P CheckInstall.cmake
foreach(v BUILD_DIR PREFIX APP_ID)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "CheckInstall.cmake needs -D${v}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD_DIR} failed (${rc})")
endif()

function(fail text)
  set_property(GLOBAL APPEND PROPERTY install_errors "${text}")
endfunction()

# The first bytes of an installed file as hex; empty, and an error, when it is
# missing or shorter.
function(head_hex file bytes out)
  set(${out} "" PARENT_SCOPE)
  if(NOT EXISTS ${PREFIX}/${file})
    fail("missing: ${file}")
    return()
  endif()
  file(READ ${PREFIX}/${file} hex LIMIT ${bytes} HEX)
  string(LENGTH "${hex}" n)
  math(EXPR want "${bytes} * 2")
  if(n LESS want)
    fail("too short: ${file}")
    return()
  endif()
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

function(expect file bytes magic what)
  head_hex(${file} ${bytes} hex)
  if(hex AND NOT hex STREQUAL magic)
    fail("not ${what}: ${file}")
  endif()
endfunction()

expect(bin/skyburst3d 4 "7f454c46" "an ELF program")
execute_process(COMMAND test -x ${PREFIX}/bin/skyburst3d RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("not executable: bin/skyburst3d")
endif()
expect(share/applications/${APP_ID}.desktop 15 "5b4465736b746f7020456e7472795d" "a desktop entry")  # [Desktop Entry]
expect(share/metainfo/${APP_ID}.metainfo.xml 5 "3c3f786d6c" "XML")  # <?xml
expect(share/icons/hicolor/scalable/apps/${APP_ID}.svg 5 "3c3f786d6c" "XML")
expect(share/man/man6/skyburst3d.6.gz 2 "1f8b" "gzip")
expect(share/doc/skyburst3d/copyright 3 "4d4954" "the MIT licence")  # MIT
expect(share/doc/skyburst3d/changelog.gz 2 "1f8b" "gzip")

# The menu entry starts the installed program by its full path, whatever is
# on PATH, and names the installed icon.
set(entry ${PREFIX}/share/applications/${APP_ID}.desktop)
if(EXISTS ${entry})
  file(STRINGS ${entry} exec REGEX "^(Try)?Exec=")
  file(STRINGS ${entry} icon REGEX "^Icon=")
  # The entry and each of its actions (which add options after the program).
  list(LENGTH exec lines)
  if(lines LESS 2)
    fail("the menu entry has no TryExec and Exec: '${exec}'")
  endif()
  foreach(line ${exec})
    string(REGEX REPLACE "^(Try)?Exec=([^ ]*).*" "\\2" program "${line}")
    if(NOT program STREQUAL "${PREFIX}/bin/skyburst3d")
      fail("the menu entry runs '${line}', not the installed ${PREFIX}/bin/skyburst3d")
    endif()
  endforeach()
  if(NOT icon STREQUAL "Icon=${APP_ID}")
    fail("the menu entry names the icon '${icon}', not the installed ${APP_ID}")
  endif()
endif()

# The sizes are listed here rather than taken from the build, so that a size
# dropped from the build is noticed.
# A PNG starts with its signature and the IHDR chunk: width and height as
# big-endian 32-bit numbers at bytes 16 and 20.
foreach(size 16 32 48 64 128 256)
  set(png share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  head_hex(${png} 24 hex)
  if(NOT hex)
    continue()
  endif()
  string(SUBSTRING "${hex}" 0 16 signature)
  string(SUBSTRING "${hex}" 24 8 chunk)
  string(SUBSTRING "${hex}" 32 8 width)
  string(SUBSTRING "${hex}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    fail("not a PNG: ${png}")
  elseif(NOT width EQUAL size OR NOT height EQUAL size)
    fail("${png} is ${width}x${height}, not ${size}x${size}")
  endif()
endforeach()

get_property(errors GLOBAL PROPERTY install_errors)
if(errors)
  list(JOIN errors "\n  " errors)
  message(FATAL_ERROR "The installed tree in ${PREFIX} is wrong:\n  ${errors}")
endif()
message(STATUS "Installed tree in ${PREFIX} is complete")
