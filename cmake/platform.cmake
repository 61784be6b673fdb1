# Platform code lives in *_win32.cpp / *_linux.cpp next to the interface it implements.
if(WIN32)
  set(ORLINDE_PLATFORM win32)
else()
  set(ORLINDE_PLATFORM linux)
endif()

# orlinde_platform_sources(<target> <stem>...) adds <stem>_<platform>.cpp for each stem.
function(orlinde_platform_sources target)
  foreach(stem IN LISTS ARGN)
    target_sources(${target} PRIVATE ${stem}_${ORLINDE_PLATFORM}.cpp)
  endforeach()
endfunction()
