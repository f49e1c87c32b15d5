# What makes a build from nothing (CI, a fresh clone) fast; none of it changes the programs.
#
# - lld links instead of the default linker when the compiler can use it: the suite is
#   some seventy executables, each linked against the static libraries.
# - Precompiled headers for the Qt headers nearly every file includes: one for the core
#   and the command line, one for the desktop library, one for each kind of test
#   (core/command line, desktop) that all test programs of that kind share. They are
#   left out when the compiler cache is the launcher, because the cache cannot store
#   compilations that use them; rebuilds with a warm cache are faster without them.
# - TARVEN_DEBUG_INFO=lines keeps line tables only (enough for sanitizer and crash
#   reports), which CI uses: full debug information costs about a third of its compile
#   time and most of its link time.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld TARVEN_HAVE_LLD)
if(TARVEN_HAVE_LLD)
  add_link_options(-fuse-ld=lld)
endif()

set(pch_default ON)
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(pch_default OFF)
endif()
option(TARVEN_PCH "Precompile the common Qt headers" ${pch_default})

set(TARVEN_DEBUG_INFO "" CACHE STRING "full (the build type's), or lines: line tables only")
if(TARVEN_DEBUG_INFO STREQUAL "lines")
  add_compile_options(-g1)   # comes after the build type's -g, so it wins
endif()

set(TARVEN_PCH_CORE <QString> <QStringList> <QByteArray> <QList> <QHash> <QObject>
    <QFile> <QFileInfo> <QDir> <QCoreApplication> <QTimer> <QJsonDocument>
    <algorithm> <functional> <cstdint>)
set(TARVEN_PCH_GUI ${TARVEN_PCH_CORE} <QWidget> <QDialog> <QApplication> <QLabel>
    <QComboBox> <QLineEdit> <QPushButton> <QBoxLayout> <QGridLayout> <QAction> <QMenu>
    <QMdiArea> <QMdiSubWindow> <QTableWidget> <QGroupBox> <QStatusBar> <QCloseEvent>)

# Gives TARGET the precompiled header of KIND (core or gui), or, with REUSE_FROM OTHER,
# the one OTHER already has: the flags and definitions must match.
function(tarven_precompile target)
  if(NOT TARVEN_PCH)
    return()
  endif()
  cmake_parse_arguments(arg "" "KIND;REUSE_FROM" "EXTRA" ${ARGN})
  if(arg_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${arg_REUSE_FROM})
  elseif(arg_KIND STREQUAL "gui")
    target_precompile_headers(${target} PRIVATE ${TARVEN_PCH_GUI} ${arg_EXTRA})
  else()
    target_precompile_headers(${target} PRIVATE ${TARVEN_PCH_CORE} ${arg_EXTRA})
  endif()
endfunction()
