# Third-party libraries, gathered into one interface target.
find_package(PkgConfig REQUIRED)
find_package(OpenMP REQUIRED COMPONENTS CXX)
find_package(Threads REQUIRED)
find_package(X11 REQUIRED)
find_package(nlohmann_json 3 REQUIRED)
find_package(Boost 1.70 REQUIRED)
pkg_check_modules(LCMS2 REQUIRED IMPORTED_TARGET lcms2)
pkg_check_modules(SIGCPP REQUIRED IMPORTED_TARGET sigc++-2.0)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)

find_program(FLTK_CONFIG fltk-config REQUIRED)
execute_process(COMMAND ${FLTK_CONFIG} --ldflags OUTPUT_VARIABLE FLTK_LDFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE)
find_path(FLTK_INCLUDE_DIR FL/Fl.H REQUIRED)
find_library(FLTK_LIBRARY fltk REQUIRED)

find_path(VIGRA_INCLUDE_DIR vigra/impex.hxx REQUIRED)
find_library(VIGRA_IMPEX_LIBRARY vigraimpex REQUIRED)

add_library(orv_deps INTERFACE)
add_library(orv::deps ALIAS orv_deps)
target_include_directories(orv_deps INTERFACE ${FLTK_INCLUDE_DIR} ${VIGRA_INCLUDE_DIR} ${Boost_INCLUDE_DIRS})
target_link_libraries(orv_deps INTERFACE
  ${FLTK_LIBRARY} X11::X11
  PkgConfig::LCMS2 PkgConfig::SIGCPP PkgConfig::FREETYPE
  nlohmann_json::nlohmann_json OpenMP::OpenMP_CXX Threads::Threads ${CMAKE_DL_LIBS})
