# Which layer may include which: a folder's sources include only the
# folders listed for it (quoted project includes; system headers aside).
# Run as: cmake -DSOURCE_DIR=<src> -P layer_includes.cmake
#
#   common        the text and number rules every layer uses: nothing else
#   menus/model   the menu engine's records and preparation: common,
#                 platform interfaces and itself, never the renderer
set(rules
  "common=common/"
  "menus/model=common/|platform/|menus/model/")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(crossings "")
foreach(rule IN LISTS rules)
  string(REPLACE "=" ";" parts "${rule}")
  list(GET parts 0 folder)
  list(GET parts 1 allowed)
  file(GLOB files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  if(NOT files)
    message(FATAL_ERROR "no sources in ${SOURCE_DIR}/${folder}")
  endif()
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" included "${line}")
      if(NOT included MATCHES "^(${allowed})")
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        string(APPEND crossings "\n  ${shown} includes ${included}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(crossings)
  message(FATAL_ERROR "includes across layers:${crossings}")
endif()
message(STATUS "no include crosses a layer")
