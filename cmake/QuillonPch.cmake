# Precompiled headers shared by many targets. A header set is compiled once, in a small target
# of its own, and reused by every target that names it: one precompiled header per target would
# cost about as much as it saves. GCC uses a precompiled header only when the macros its headers
# look at are defined the same way, so a set's users must agree with its owner on those (Qt's
# QT_<MODULE>_LIB definitions steer what <QTest> pulls in). Turn off with
# -DQUILLON_PRECOMPILE_HEADERS=OFF, e.g. to check that every file includes what it uses.

# ccache caches a compile that uses a precompiled header only when told that the header's
# macros and time stamps are safe to ignore (nothing here uses __DATE__ or __TIME__); a ccache
# launcher gets that added to its own sloppiness.
if(QUILLON_PRECOMPILE_HEADERS AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "(^|/)ccache$")
  execute_process(COMMAND ${CMAKE_CXX_COMPILER_LAUNCHER} --get-config sloppiness
    OUTPUT_VARIABLE quillon_sloppiness OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REGEX REPLACE "[, ]+" ";" quillon_sloppiness "${quillon_sloppiness}")
  list(APPEND quillon_sloppiness pch_defines time_macros)
  list(REMOVE_DUPLICATES quillon_sloppiness)
  list(JOIN quillon_sloppiness "," quillon_sloppiness)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
    CCACHE_SLOPPINESS=${quillon_sloppiness} ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

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

# The Qt headers most of our libraries include: one set for those that link the widgets, one
# of Qt Core alone for the cores, quillon-calc's libraries and the modules that are neither.
quillon_pch_set(quillon_widgets_pch
  HEADERS <QWidget> <QApplication> <QPushButton> <QLabel> <QLineEdit> <QRadioButton> <QCheckBox>
          <QGroupBox> <QVBoxLayout> <QHBoxLayout> <QGridLayout> <QKeyEvent> <QAction> <QPainter>
          <QMdiArea> <QMdiSubWindow> <QTableView> <QHeaderView> <QSqlDatabase> <QSqlQuery>
          <QString> <QStringList> <QDate> <QFile> <QFileInfo> <QDir> <QTimer> <QPointer>
  LINKS Qt6::Widgets Qt6::Sql)
quillon_pch_set(quillon_core_pch
  HEADERS <QString> <QStringList> <QDate> <QFile> <QFileInfo> <QDir> <QVariant> <QHash>
          <QTextStream> <algorithm> <functional> <memory> <optional> <string> <vector>
  LINKS Qt6::Core)

# A library of ours takes the set that fits what it links.
function(quillon_use_library_pch target)
  if(NOT QUILLON_PRECOMPILE_HEADERS)
    return()
  endif()
  _quillon_link_closure(${target} closure)
  if(Qt6::Widgets IN_LIST closure)
    quillon_use_pch(${target} quillon_widgets_pch)
  else()
    quillon_use_pch(${target} quillon_core_pch)
  endif()
  target_compile_options(${target} PRIVATE -Winvalid-pch)
endfunction()
