# The lesson in the browser (included by app/CMakeLists.txt for emscripten; packaging/web/build.sh
# builds it and puts oscillations.js into the page packaging/web/shell.html).
qt_add_executable(oscillations main_web.cpp)
target_link_libraries(oscillations PRIVATE form21)

# The browser has no system fonts to give the program: the faces the Linux program draws with
# (Debian's Liberation 2, which fontconfig prefers there) go inside it. Only the styles the scene
# uses: every caption is bold.
set(OSC_WEB_FONTS /usr/share/fonts/truetype/liberation2 CACHE PATH "Where the embedded Liberation faces lie")
set(faces LiberationSans-Bold LiberationSans-BoldItalic LiberationMono-Bold LiberationSerif-BoldItalic)
list(TRANSFORM faces PREPEND ${OSC_WEB_FONTS}/)
list(TRANSFORM faces APPEND .ttf)
qt_add_resources(oscillations fonts PREFIX /fonts BASE ${OSC_WEB_FONTS} FILES ${faces})

# The WebAssembly inside the script, and the script inside the page: a page opened from a folder
# (file://) may not fetch anything beside it.
target_link_options(oscillations PRIVATE "SHELL:-s SINGLE_FILE=1")
# wasm-opt at the link takes minutes; -O1 links in seconds for trying things (build.sh --dev).
set(OSC_WEB_LINK_OPTIMIZATION -O3 CACHE STRING "emscripten's optimisation at the link")
target_link_options(oscillations PRIVATE ${OSC_WEB_LINK_OPTIMIZATION})
