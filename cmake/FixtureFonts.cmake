# The seven fonts of the distribution, taken from Debian's free font packages, as
# build/fixtures/fonts/.
set(SUITE_FONT_SOURCES
    ARIAL.TTF=liberation/LiberationSans-Regular.ttf
    ARIALN.TTF=liberation/LiberationSansNarrow-Regular.ttf
    COUR.TTF=liberation/LiberationMono-Regular.ttf
    MICROSS.TTF=freefont/FreeSans.ttf
    TAHOMA.TTF=dejavu/DejaVuSans.ttf
    TIMES.TTF=liberation/LiberationSerif-Regular.ttf
    verdana.TTF=dejavu/DejaVuSansCondensed.ttf)
foreach(pair ${SUITE_FONT_SOURCES})
    string(REPLACE "=" ";" parts ${pair})
    list(GET parts 0 name)
    list(GET parts 1 source)
    configure_file(/usr/share/fonts/truetype/${source} ${CMAKE_BINARY_DIR}/fixtures/fonts/${name} COPYONLY)
endforeach()
