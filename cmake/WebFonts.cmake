# Fills resources/fonts with links to the web-font families Debian ships, so the canvas shows them.
# A family without a file here is simply not activated.
set(VELK_WEB_FONT_FILES
    opentype/cabin/Cabin-*.otf
    truetype/croscore/Arimo-*.ttf
    opentype/dancingscript/DancingScript-*.otf
    opentype/goudybookletter/GoudyBookletter1911.otf
    truetype/lato/Lato-*.ttf
    opentype/lobstertwo/LobsterTwo-*.otf
    truetype/paratype/PTS*.ttf
    truetype/paratype/PTM*.ttf
    truetype/quicksand/Quicksand-*.ttf
    truetype/roboto/unhinted/Roboto-*.ttf
    truetype/vollkorn/Vollkorn-*.ttf)

set(fonts_dir ${CMAKE_SOURCE_DIR}/resources/fonts)
file(MAKE_DIRECTORY ${fonts_dir})
foreach(pattern IN LISTS VELK_WEB_FONT_FILES)
    file(GLOB_RECURSE found /usr/share/fonts/${pattern})
    foreach(font IN LISTS found)
        get_filename_component(name ${font} NAME)
        if(NOT EXISTS ${fonts_dir}/${name})
            file(CREATE_LINK ${font} ${fonts_dir}/${name} SYMBOLIC)
        endif()
    endforeach()
endforeach()
