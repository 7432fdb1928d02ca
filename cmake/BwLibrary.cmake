# bw_library(NAME [GLOB patterns...] [EXCLUDE regexes...] [LINK libs...] [PRIVATE libs...])
# A static library made of every source matching the patterns in the current
# folder; new files are picked up without editing CMake (CONFIGURE_DEPENDS).
# LINK names what its headers expose to dependants, PRIVATE what only its
# sources use. An empty folder yields an INTERFACE library so dependants
# still link.
function(bw_library name)
  cmake_parse_arguments(ARG "" "" "GLOB;EXCLUDE;LINK;PRIVATE" ${ARGN})
  if(NOT ARG_GLOB)
    set(ARG_GLOB *.cpp)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_GLOB})
  foreach(ex ${ARG_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "${ex}")
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LINK} PRIVATE ${ARG_PRIVATE})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_LINK})
  endif()
endfunction()
