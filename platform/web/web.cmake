# The browser build: configured with emcmake (em++), it makes one page per
# program, build-web/mebuki1.html and mebuki2.html, holding the wasm, the JS
# runtime, the fonts and their licences: nothing is fetched, so the page runs
# from file:// (a USB stick, a shared folder) as well as from a web server.

# Exceptions end a run (EndOfRun) and step back through a page; ASYNCIFY needs
# them as JS exceptions.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
# The drawing and typesetting code never waits for a key and catches nothing:
# nothing a lesson throws (a step back, the end of a run) passes through it, and
# the one error it throws ends the lesson on the error screen. Built without
# landing pads, its calls are plain calls; with them, each call that could
# throw is a round trip through the page's JS (and ASYNCIFY's bookkeeping),
# which cost the browser most of its time per step.
set_source_files_properties(
  platform/text.cpp platform/numbers.cpp platform/ops.cpp platform/float_text.cpp
  platform/glyph_cell.cpp platform/picture.cpp
  PROPERTIES COMPILE_OPTIONS -fignore-exceptions)
function(mebuki_web_no_landing_pads)
  foreach(target ${ARGN})
    target_compile_options(${target} PRIVATE -fignore-exceptions)
  endforeach()
endfunction()

# Every em++ link runs node scripts that need the system's node modules.
set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "env NODE_PATH=/usr/share/nodejs")

add_library(platform STATIC
  ${PLATFORM_SOURCES}
  platform/web_host.cpp
  platform/hosts_web.cpp)

set(MEBUKI_WEB_DIR ${CMAKE_SOURCE_DIR}/platform/web)
# Where tools/web-fonts wrote fonts.css and licences.html, and tools/web-glyphs
# glyphs.json (empty: local fonts, no glyph list).
set(MEBUKI_WEB_FONTS "" CACHE PATH "Directory holding the page's fonts.css, licences.html and glyphs.json")

# Turns a program into its page: the blocking key loops yield to the browser
# through ASYNCIFY; main is started by the runtime once the fonts are ready.
function(mebuki_web_page target)
  set_target_properties(${target} PROPERTIES SUFFIX ".html")
  target_link_options(${target} PRIVATE
    -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536 -sTOTAL_STACK=1048576
    -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web -sSINGLE_FILE=1 -sMINIFY_HTML=0
    -sINVOKE_RUN=0 -sEXIT_RUNTIME=0
    "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free','_mebuki_web_pointer','_mebuki_web_long_press_due','_mebuki_web_keypad','_mebuki_web_place']"
    "-sEXPORTED_RUNTIME_METHODS=['ccall','FS','stringToUTF8','lengthBytesUTF8']"
    --pre-js ${MEBUKI_WEB_DIR}/runtime.js
    --shell-file ${MEBUKI_WEB_DIR}/shell.html)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
    ${MEBUKI_WEB_DIR}/runtime.js ${MEBUKI_WEB_DIR}/shell.html ${CMAKE_SOURCE_DIR}/tools/web-page)
  if(EXISTS ${CMAKE_SOURCE_DIR}/data/mebuki.svg)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/data/mebuki.svg)
  endif()
  if(MEBUKI_WEB_FONTS)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS
      ${MEBUKI_WEB_FONTS}/fonts.css ${MEBUKI_WEB_FONTS}/licences.html)
    if(EXISTS ${MEBUKI_WEB_FONTS}/glyphs.json)
      set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${MEBUKI_WEB_FONTS}/glyphs.json)
    endif()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/web-page $<TARGET_FILE:${target}> ${target}
            "${MEBUKI_WEB_FONTS}" ${CMAKE_SOURCE_DIR}
    VERBATIM)
endfunction()
