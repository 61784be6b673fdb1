# A .rc file is the one list of what a program embeds. Windows: windres compiles it, and
# the files it names become dependencies. Linux: its TEXTFILE and BITMAP lines become a
# catalogue of byte tables (resources/resource_catalogue.h); bitmaps are stored as windres
# stores them, without the 14-byte file header. Included from CMake this defines
# orlinde_add_rc_resources and orlinde_embed_resources; run with cmake -P (RC_FILE,
# OUTPUT) it writes the catalogue source.

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

# Reads the embedded entries of a .rc into <prefix>_ids, <prefix>_kinds, <prefix>_files
# (parallel lists; files absolute, relative ones taken from the .rc's folder).
function(orlinde_read_rc_entries rc prefix)
  cmake_path(GET rc PARENT_PATH rc_dir)
  file(STRINGS "${rc}" lines)
  set(ids "")
  set(kinds "")
  set(files "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*([0-9]+)[ \t]+(TEXTFILE|BITMAP)[ \t]+\"([^\"]+)\"")
      set(id "${CMAKE_MATCH_1}")
      set(kind "${CMAKE_MATCH_2}")
      set(path "${CMAKE_MATCH_3}")
      cmake_path(ABSOLUTE_PATH path BASE_DIRECTORY "${rc_dir}")
      math(EXPR id "${id}")
      if(id GREATER 65535)
        message(FATAL_ERROR "${rc}: resource id ${id} does not fit 16 bits")
      endif()
      if("${kind}:${id}" IN_LIST seen)
        message(FATAL_ERROR "${rc}: ${kind} ${id} is listed twice")
      endif()
      list(APPEND seen "${kind}:${id}")
      list(APPEND ids "${id}")
      list(APPEND kinds "${kind}")
      list(APPEND files "${path}")
    endif()
  endforeach()
  set(${prefix}_ids "${ids}" PARENT_SCOPE)
  set(${prefix}_kinds "${kinds}" PARENT_SCOPE)
  set(${prefix}_files "${files}" PARENT_SCOPE)
endfunction()

# Every file a .rc names (absolute), whatever its type.
function(orlinde_rc_files rc out)
  cmake_path(GET rc PARENT_PATH rc_dir)
  file(STRINGS "${rc}" lines)
  set(files "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*[0-9]+[ \t]+[A-Za-z0-9_]+[ \t]+\"([^\"]+)\"")
      set(path "${CMAKE_MATCH_1}")
      cmake_path(ABSOLUTE_PATH path BASE_DIRECTORY "${rc_dir}")
      list(APPEND files "${path}")
    endif()
  endforeach()
  set(${out} "${files}" PARENT_SCOPE)
endfunction()

# orlinde_add_rc_resources(<object library> <rc file>): windres builds the .rc into the
# library; a change to any file it names rebuilds it, and editing the .rc reconfigures.
function(orlinde_add_rc_resources target rc)
  cmake_path(ABSOLUTE_PATH rc BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
  orlinde_rc_files("${rc}" files)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${rc}")
  target_sources(${target} PRIVATE "${rc}")
  set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${files}")
  cmake_path(GET rc PARENT_PATH rc_dir)
  target_include_directories(${target} PRIVATE "${rc_dir}")
endfunction()

set(ORLINDE_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

# orlinde_embed_resources(<object library> <rc file>): adds the generated catalogue of
# the .rc's resources to the library. Editing the .rc reconfigures, so a new entry is
# picked up with its file as a dependency.
function(orlinde_embed_resources target rc)
  cmake_path(ABSOLUTE_PATH rc BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
  orlinde_read_rc_entries("${rc}" entry)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${rc}")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_catalogue.cpp")
  add_custom_command(OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DRC_FILE=${rc} -DOUTPUT=${output} -P ${ORLINDE_EMBED_SCRIPT}
    DEPENDS "${rc}" ${entry_files} "${ORLINDE_EMBED_SCRIPT}"
    COMMENT "Embedding the resources of ${rc}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
  target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  orlinde_read_rc_entries("${RC_FILE}" entry)
  set(tables "")
  set(rows "")
  set(index 0)
  foreach(id kind path IN ZIP_LISTS entry_ids entry_kinds entry_files)
    if(kind STREQUAL "BITMAP")
      file(READ "${path}" signature LIMIT 2 HEX)
      if(NOT signature STREQUAL "424d")
        message(FATAL_ERROR "${path}: not a BMP file")
      endif()
      file(READ "${path}" hex OFFSET 14 HEX)
      set(enum "ResourceKind::Bitmap")
    else()
      file(READ "${path}" hex HEX)
      set(enum "ResourceKind::Text")
    endif()
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    # Sixteen bytes a line; a NUL after the last keeps empty files legal C++.
    string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])" "\\1\n    " hex "${hex}")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    cmake_path(GET path FILENAME name)
    string(APPEND tables "// ${kind} ${id}: ${name}, ${size} bytes\nconst unsigned char resource${index}[] = {\n    ${bytes}0x00};\n\n")
    string(APPEND rows "    {${enum}, ${id}, resource${index}, ${size}},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  if(index EQUAL 0)
    set(entries "nullptr")
  else()
    set(entries "entries")
    set(rows "const CatalogueEntry entries[] = {\n${rows}};\n")
  endif()
  cmake_path(GET RC_FILE FILENAME rc_name)
  file(WRITE "${OUTPUT}" "// Generated from ${rc_name} by cmake/embed_resources.cmake; do not edit.\n"
    "#include \"resources/resource_catalogue.h\"\n\nnamespace {\n\n${tables}${rows}\n}  // namespace\n\n"
    "const ResourceCatalogue resourceCatalogue{${entries}, ${index}};\n")
endif()

# orlinde_add_resource_library(<object library> <rc file>): the resources a .rc lists, for
# this platform: windres on Windows, the byte-table catalogue on Linux.
function(orlinde_add_resource_library target rc)
  add_library(${target} OBJECT)
  if(WIN32)
    orlinde_add_rc_resources(${target} "${rc}")
  else()
    target_link_libraries(${target} PRIVATE orlinde_warnings)
    orlinde_embed_resources(${target} "${rc}")
  endif()
endfunction()
