# zolvik_embed(TARGET <target> FILE <file> NAME <name> [WIDTH 8|16|32] [FORMAT c-stdint|cpp]
#              [BIG_ENDIAN])
#
# Embeds a binary file in a target as an array of 8-, 16- or 32-bit elements: at build time
# `zolvik table` writes <name>.h, holding the array <name> (and <name>_len in c-stdint), into
# the build tree, again whenever the file changes, and the target finds it with
# #include "<name>.h". WIDTH defaults to 8, FORMAT to c-stdint (C99 and C++11; cpp gives a
# C++17 std::array); BIG_ENDIAN puts an element's first byte in its most significant bits.
# A trailing partial element is left out.
#
# The program run is ZOLVIK_EXECUTABLE when set (the installed package sets it), else the
# zolvik target of the project being built, else zolvik found on the search path.

function(zolvik_embed)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "BIG_ENDIAN" "TARGET;FILE;NAME;WIDTH;FORMAT" "")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "zolvik_embed: unknown arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  foreach(required TARGET FILE NAME)
    if(NOT ARG_${required})
      message(FATAL_ERROR "zolvik_embed: ${required} is required")
    endif()
  endforeach()
  if(NOT TARGET ${ARG_TARGET})
    message(FATAL_ERROR "zolvik_embed: ${ARG_TARGET} is not a target")
  endif()
  if(NOT ARG_NAME MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "zolvik_embed: NAME ${ARG_NAME} is not a C identifier")
  endif()
  if(NOT DEFINED ARG_WIDTH)
    set(ARG_WIDTH 8)
  elseif(NOT ARG_WIDTH MATCHES "^(8|16|32)$")
    message(FATAL_ERROR "zolvik_embed: WIDTH must be 8, 16 or 32, not ${ARG_WIDTH}")
  endif()
  if(NOT DEFINED ARG_FORMAT)
    set(ARG_FORMAT c-stdint)
  elseif(NOT ARG_FORMAT MATCHES "^(c-stdint|cpp)$")
    message(FATAL_ERROR "zolvik_embed: FORMAT must be c-stdint or cpp, not ${ARG_FORMAT}")
  endif()

  if(ZOLVIK_EXECUTABLE)
    set(program "${ZOLVIK_EXECUTABLE}")
    set(program_dependency "${ZOLVIK_EXECUTABLE}")
  elseif(TARGET zolvik)
    set(program "$<TARGET_FILE:zolvik>")
    set(program_dependency zolvik)
  else()
    find_program(ZOLVIK_PROGRAM zolvik)
    if(NOT ZOLVIK_PROGRAM)
      message(FATAL_ERROR "zolvik_embed: zolvik not found; set ZOLVIK_EXECUTABLE to its path")
    endif()
    set(program "${ZOLVIK_PROGRAM}")
    set(program_dependency "${ZOLVIK_PROGRAM}")
  endif()

  cmake_path(ABSOLUTE_PATH ARG_FILE BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE
             OUTPUT_VARIABLE input)
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/zolvik_embed/${ARG_TARGET}")
  set(header "${folder}/${ARG_NAME}.h")
  set(byte_order)
  if(ARG_BIG_ENDIAN)
    set(byte_order --big-endian)
  endif()

  add_custom_command(OUTPUT "${header}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${folder}"
    COMMAND "${program}" table "${input}" -f ${ARG_FORMAT} -w ${ARG_WIDTH} --name ${ARG_NAME}
            ${byte_order} -o "${header}"
    DEPENDS "${input}" ${program_dependency}
    COMMENT "Embedding ${ARG_FILE} as ${ARG_NAME}.h"
    VERBATIM)
  # A target of its own, so that the header is made before the target compiles wherever the
  # target was defined.
  add_custom_target(${ARG_TARGET}_embed_${ARG_NAME} DEPENDS "${header}")
  add_dependencies(${ARG_TARGET} ${ARG_TARGET}_embed_${ARG_NAME})
  target_include_directories(${ARG_TARGET} PRIVATE "${folder}")
endfunction()
