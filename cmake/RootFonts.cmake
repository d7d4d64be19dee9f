# The TrueType folder of the ROOT stand-in. Its font table names the classic core-font files
# (arial.ttf, timesbd.ttf, ...); in the build tree each of those names links to the metric-
# compatible Liberation font. symbol.ttf and wingding.ttf have no such counterpart and are left
# out: asking for them falls back to the default font with a warning.
#
# Sets ORV_ROOT_FONT_DIR (the default of "Root.TTFontPath") unless the cache already names a folder.
set(ORV_LIBERATION_DIR "/usr/share/fonts/truetype/liberation" CACHE PATH "Folder of the Liberation TrueType fonts")
set(ORV_ROOT_FONT_DIR "${CMAKE_BINARY_DIR}/fonts" CACHE PATH "TrueType folder of the ROOT stand-in")

if(ORV_ROOT_FONT_DIR STREQUAL "${CMAKE_BINARY_DIR}/fonts")
  set(_orv_font_links
    times.ttf LiberationSerif-Regular.ttf
    timesi.ttf LiberationSerif-Italic.ttf
    timesbd.ttf LiberationSerif-Bold.ttf
    timesbi.ttf LiberationSerif-BoldItalic.ttf
    arial.ttf LiberationSans-Regular.ttf
    ariali.ttf LiberationSans-Italic.ttf
    arialbd.ttf LiberationSans-Bold.ttf
    arialbi.ttf LiberationSans-BoldItalic.ttf
    cour.ttf LiberationMono-Regular.ttf
    couri.ttf LiberationMono-Italic.ttf
    courbd.ttf LiberationMono-Bold.ttf
    courbi.ttf LiberationMono-BoldItalic.ttf)
  file(MAKE_DIRECTORY "${ORV_ROOT_FONT_DIR}")
  while(_orv_font_links)
    list(POP_FRONT _orv_font_links _orv_name _orv_target)
    if(EXISTS "${ORV_LIBERATION_DIR}/${_orv_target}")
      file(CREATE_LINK "${ORV_LIBERATION_DIR}/${_orv_target}" "${ORV_ROOT_FONT_DIR}/${_orv_name}" SYMBOLIC)
    else()
      message(WARNING "${ORV_LIBERATION_DIR}/${_orv_target} is missing (package fonts-liberation); ROOT text falls back to other fonts")
    endif()
  endwhile()
endif()
