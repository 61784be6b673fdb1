# GoogleTest for both targets: Debian's package natively; for Windows built from Debian's
# source copy with the mingw toolchain (the test programs then run under Wine).
if(WIN32)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# orlinde_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [LABELS <labels...>]
#                  [TIMEOUT <seconds>] [DISPLAY] [RESOURCES <object library>])
# One test program of the program's code with its resources. DISPLAY runs it on a private
# Xvfb (Linux; under Wine every run gets one anyway). RESOURCES embeds a test's own
# resource library in place of the program's.
function(orlinde_add_test name)
  cmake_parse_arguments(arg "DISPLAY" "TIMEOUT;RESOURCES" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  if(arg_RESOURCES)
    target_link_libraries(${name} PRIVATE orlinde)
    target_sources(${name} PRIVATE $<TARGET_OBJECTS:${arg_RESOURCES}>)
  else()
    target_link_libraries(${name} PRIVATE orlinde_program)
  endif()
  target_link_libraries(${name} PRIVATE orlinde_test_support GTest::gtest_main ${arg_LIBRARIES})
  if(arg_DISPLAY AND NOT WIN32)
    add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT} LABELS "${arg_LABELS}")
  if(WIN32)
    # All Windows tests share one Wine prefix, and a prefix serves one wineserver at a time.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wineprefix)
  endif()
endfunction()
