# Each folder of the program is one library. Its include root shows only that folder, so a
# file can include only the folders its target links: the build keeps the layers in order.
#   zolvik_folder_library(TARGET FOLDER [QT] SOURCES...)
function(zolvik_folder_library target folder)
  cmake_parse_arguments(ARG "QT" "" "" ${ARGN})
  add_library(${target} STATIC ${ARG_UNPARSED_ARGUMENTS})
  set(root ${PROJECT_BINARY_DIR}/include-roots/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
  if(ARG_QT)
    set_target_properties(${target} PROPERTIES AUTOMOC ON)
  endif()
endfunction()
