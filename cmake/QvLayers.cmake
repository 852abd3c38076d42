# Layers the build enforces. Every include names its folder from the top
# ("engine/engine.h"), but no target sees the top of the tree: each library
# publishes only its own folder, as a tree of links under the build folder,
# and gets the folders of the layers below it by linking them. An include
# that runs upwards, or from portable code into platform/win32, then finds
# no file and the build stops.

# qv_layer_headers(<target> <folder> [EXCLUDE <subfolder>...]): publishes the
# files below <folder> (relative to the top of the tree), leaving out the
# subfolders that are layers of their own, to <target> and whatever links it.
function(qv_layer_headers target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "EXCLUDE")
  set(source ${CMAKE_SOURCE_DIR}/${folder})
  set(root ${CMAKE_BINARY_DIR}/layers/${target})
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${source}
       ${source}/*.h ${source}/*.hpp ${source}/*.inc)
  foreach(excluded IN LISTS arg_EXCLUDE)
    list(FILTER files EXCLUDE REGEX "^${excluded}/")
  endforeach()
  # A file removed from the tree must not stay visible through a stale link.
  file(REMOVE_RECURSE ${root})
  foreach(file IN LISTS files)
    get_filename_component(directory ${root}/${folder}/${file} DIRECTORY)
    file(MAKE_DIRECTORY ${directory})
    file(CREATE_LINK ${source}/${file} ${root}/${folder}/${file} SYMBOLIC COPY_ON_ERROR)
  endforeach()
  file(MAKE_DIRECTORY ${root})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()
