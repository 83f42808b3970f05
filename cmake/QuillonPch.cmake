# Precompiled headers shared by many targets. A header set is compiled once, in a small target
# of its own, and reused by every target that names it: one precompiled header per target would
# cost about as much as it saves. GCC uses a precompiled header only when the macros its headers
# look at are defined the same way, so a set's users must agree with its owner on those (Qt's
# QT_<MODULE>_LIB definitions steer what <QTest> pulls in). Turn off with
# -DQUILLON_PRECOMPILE_HEADERS=OFF, e.g. to check that every file includes what it uses.
#
# With ccache, a build that uses them is cached only when ccache is told that a precompiled
# header's macros and time stamps are safe to ignore:
#   ccache --set-config sloppiness=pch_defines,time_macros

# quillon_pch_set(name HEADERS <h> ... LINKS <targets> ...) makes the owner of a header set.
# LINKS and the definitions given by the caller afterwards must match those of its users.
function(quillon_pch_set name)
  cmake_parse_arguments(ARG "" "" "HEADERS;LINKS" ${ARGN})
  if(NOT QUILLON_PRECOMPILE_HEADERS)
    return()
  endif()
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
  if(NOT EXISTS ${source})
    file(WRITE ${source} "// Only the owner of the precompiled header ${name}.\n")
  endif()
  add_library(${name} OBJECT ${source})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
  quillon_target_defaults(${name})
endfunction()

# quillon_use_pch(target name): target compiles with the header set made by quillon_pch_set.
function(quillon_use_pch target name)
  if(QUILLON_PRECOMPILE_HEADERS)
    target_precompile_headers(${target} REUSE_FROM ${name})
  endif()
endfunction()
