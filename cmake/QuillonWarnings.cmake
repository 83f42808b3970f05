# Strict warnings on our own targets; Qt's headers come in as system headers.
function(quillon_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wsuggest-override -Wnon-virtual-dtor
    -Wold-style-cast -Wcast-qual -Wformat=2 -Werror)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER)
endfunction()

# A library of ours: strict warnings, headers found from the repository root.
function(quillon_library target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  quillon_target_defaults(${target})
  quillon_use_library_pch(${target})
endfunction()

# A part of the program loaded at its first use (forms/LazyModule.h): a shared library built
# beside the program and installed in the program's own library folder. Tests link it directly.
set(QUILLON_MODULE_INSTALL_DIR lib/quillon)
set(QUILLON_MODULE_DIR_FROM_BIN ../lib/quillon)
function(quillon_module target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${QUILLON_BIN_DIR})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  quillon_target_defaults(${target})
  quillon_use_library_pch(${target})
  install(TARGETS ${target} LIBRARY DESTINATION ${QUILLON_MODULE_INSTALL_DIR})
endfunction()
