# Fills resources/fonts with the files of the web-font families, so the canvas shows them: links to the
# families Debian ships, and TrueType copies of the others from the npm packages of cmake/WebFontPackages.txt
# (installed globally by scripts/install-deps; see cmake/web-font-files.py). A family without a file here is
# simply not activated.
set(VELK_WEB_FONT_FILES
    /usr/share/fonts/opentype/cabin/Cabin-*.otf
    /usr/share/fonts/truetype/croscore/Arimo-*.ttf
    /usr/share/fonts/opentype/dancingscript/DancingScript-*.otf
    /usr/share/fonts/opentype/goudybookletter/GoudyBookletter1911.otf
    /usr/share/fonts/truetype/lato/Lato-*.ttf
    /usr/share/fonts/opentype/lobstertwo/LobsterTwo-*.otf
    /usr/share/fonts/truetype/paratype/PTS*.ttf
    /usr/share/fonts/truetype/paratype/PTM*.ttf
    /usr/share/fonts/truetype/quicksand/Quicksand-*.ttf
    /usr/share/fonts/truetype/roboto/unhinted/Roboto-*.ttf
    /usr/share/fonts/truetype/vollkorn/Vollkorn-*.ttf)

set(fonts_dir ${CMAKE_SOURCE_DIR}/resources/fonts)
file(MAKE_DIRECTORY ${fonts_dir})
foreach(pattern IN LISTS VELK_WEB_FONT_FILES)
    file(GLOB_RECURSE found ${pattern})
    foreach(font IN LISTS found)
        get_filename_component(name ${font} NAME)
        if(NOT EXISTS ${fonts_dir}/${name})
            file(CREATE_LINK ${font} ${fonts_dir}/${name} SYMBOLIC)
        endif()
    endforeach()
endforeach()

find_program(NPM_PROGRAM npm)
find_program(DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NPM_PROGRAM AND DEBIAN_PYTHON)
    execute_process(COMMAND ${NPM_PROGRAM} root --global OUTPUT_VARIABLE npm_modules
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    set(package_list ${CMAKE_SOURCE_DIR}/cmake/WebFontPackages.txt)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${package_list})
    file(STRINGS ${package_list} npm_font_packages REGEX "^@")
    set(package_folders)
    foreach(package IN LISTS npm_font_packages)
        if(EXISTS ${npm_modules}/${package}/metadata.json)
            list(APPEND package_folders ${npm_modules}/${package})
        endif()
    endforeach()
    execute_process(COMMAND ${DEBIAN_PYTHON} ${CMAKE_SOURCE_DIR}/cmake/web-font-files.py ${fonts_dir}
                            ${package_folders}
                    RESULT_VARIABLE converted)
    if(NOT converted EQUAL 0)
        message(WARNING "The web fonts of the npm packages could not be written into ${fonts_dir}")
    endif()
endif()
