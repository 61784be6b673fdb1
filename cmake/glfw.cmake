# GLFW 3.3.8, built static from Debian's source package that scripts/setup-deps put in
# third_party/. The pristine tree is copied into the build folder and our patches from
# glfw_ext/ are applied there, so the cache stays untouched and a patch change re-copies.

set(GLFW_SOURCE_CACHE ${PROJECT_SOURCE_DIR}/third_party/glfw-3.3.8)
if(NOT EXISTS ${GLFW_SOURCE_CACHE}/CMakeLists.txt)
  message(FATAL_ERROR "GLFW source not found in ${GLFW_SOURCE_CACHE}; run scripts/setup-deps (every make target does)")
endif()

file(GLOB GLFW_PATCHES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/glfw_ext/*.patch)
list(SORT GLFW_PATCHES)
set(glfw_stamp_text "glfw-3.3.8")
foreach(patch IN LISTS GLFW_PATCHES)
  file(SHA256 ${patch} patch_hash)
  string(APPEND glfw_stamp_text " ${patch_hash}")
endforeach()

set(GLFW_PATCHED_DIR ${CMAKE_BINARY_DIR}/glfw-src)
set(glfw_stamp ${GLFW_PATCHED_DIR}/.orlinde-stamp)
set(glfw_old_stamp "")
if(EXISTS ${glfw_stamp})
  file(READ ${glfw_stamp} glfw_old_stamp)
endif()
if(NOT glfw_old_stamp STREQUAL glfw_stamp_text)
  file(REMOVE_RECURSE ${GLFW_PATCHED_DIR})
  file(COPY ${GLFW_SOURCE_CACHE}/ DESTINATION ${GLFW_PATCHED_DIR})
  foreach(patch IN LISTS GLFW_PATCHES)
    execute_process(COMMAND patch -p1 --forward --batch -i ${patch}
                    WORKING_DIRECTORY ${GLFW_PATCHED_DIR} RESULT_VARIABLE patch_result)
    if(NOT patch_result EQUAL 0)
      message(FATAL_ERROR "applying ${patch} to GLFW failed")
    endif()
  endforeach()
  file(WRITE ${glfw_stamp} ${glfw_stamp_text})
endif()

set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
add_subdirectory(${GLFW_PATCHED_DIR} ${CMAKE_BINARY_DIR}/glfw EXCLUDE_FROM_ALL SYSTEM)
