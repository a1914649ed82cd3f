# The layers of the game's sources, lowest first. A folder of src/ belongs to
# exactly one layer; a file may include headers of its own layer and of the
# layers below it, never above. The rules stay plain C++: no toolkit, sound
# or OpenGL header reaches them.
#
#   core      plain data and stateless helpers used by everything
#   rules     ui < aiming < terrain < shot < computer < match < net (each
#             folder only includes the ones before it)
#   view      OpenGL only: game state in, pixels out
#   platform  the backends: Qt controls, SDL sound, the window-thread waker
#   network   the network game's sockets (Qt Network, no widgets, no sound),
#             so the headless pair and the window share one transport
#   app       the program entry and the three windows; nothing includes it
#
# Included from src/CMakeLists.txt at configure time and run as a test
# (cmake -DSKY_SOURCE_DIR=... -P Layers.cmake), so a stray include fails both.

if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

set(SKY_LAYER_ORDER core ui aiming terrain shot computer match net view platform network app)
set(SKY_RULE_FOLDERS ui aiming terrain shot computer match net)
# What each layer may include besides itself and the lower ones, and what it must not.
set(SKY_FOREIGN_FORBIDDEN_core "<Q|<SDL|<GL/|<qopengl")
set(SKY_FOREIGN_FORBIDDEN_rules "<Q|<SDL|<GL/|<qopengl")
set(SKY_FOREIGN_FORBIDDEN_view "<Q|<SDL")
set(SKY_FOREIGN_FORBIDDEN_platform "<GL/")
set(SKY_FOREIGN_FORBIDDEN_network "<GL/|<SDL|<qopengl|<QtWidgets|<QtGui|<QWidget|<QApplication")

function(sky_layer_rank folder out)
  list(FIND SKY_LAYER_ORDER "${folder}" rank)
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

# Checks every source under src_dir; sets out to a list of messages (empty when sound).
function(sky_check_layers src_dir out)
  set(problems "")
  list(JOIN SKY_LAYER_ORDER ", " layer_names)
  file(GLOB_RECURSE files RELATIVE "${src_dir}" "${src_dir}/*.cpp" "${src_dir}/*.h")
  foreach(f ${files})
    string(REGEX MATCH "^[^/]+" folder "${f}")
    sky_layer_rank("${folder}" rank)
    if(rank EQUAL -1 OR f STREQUAL folder)
      list(APPEND problems "${f}: lies in no layer (move it under one of: ${layer_names})")
      continue()
    endif()
    if(folder IN_LIST SKY_RULE_FOLDERS)
      set(forbidden "${SKY_FOREIGN_FORBIDDEN_rules}")
    else()
      set(forbidden "${SKY_FOREIGN_FORBIDDEN_${folder}}")
    endif()
    file(STRINGS "${src_dir}/${f}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(forbidden AND line MATCHES "#[ \t]*include[ \t]*(${forbidden})")
        list(APPEND problems "${f}: ${line} (not allowed in ${folder}/)")
      endif()
      if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
        set(target "${CMAKE_MATCH_1}")
        sky_layer_rank("${target}" target_rank)
        if(target_rank GREATER rank OR (target STREQUAL "app" AND NOT folder STREQUAL "app")
           OR (folder STREQUAL "platform" AND target STREQUAL "view")
           OR (folder STREQUAL "view" AND target STREQUAL "platform")
           OR (folder STREQUAL "network" AND (target STREQUAL "view" OR target STREQUAL "platform")))
          list(APPEND problems "${f}: ${line} (${folder}/ may not include ${target}/)")
        endif()
      endif()
    endforeach()
  endforeach()
  set(${out} "${problems}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  sky_check_layers("${SKY_SOURCE_DIR}" problems)
  if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Layering broken:\n  ${text}")
  endif()
  message(STATUS "Layers hold")
endif()
