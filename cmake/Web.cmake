# The build for the offline page (the web preset, under Emscripten's toolchain): the page itself
# from web/, and the Qt-free libraries' unit tests, which node runs on the WebAssembly build.
add_subdirectory(web)
if(VELLUM_UNIT_TESTS)
    # Debian's GoogleTest is built for the machine, so its sources are built here for WebAssembly,
    # without this project's warnings.
    get_directory_property(own_options COMPILE_OPTIONS)
    set_directory_properties(PROPERTIES COMPILE_OPTIONS "-fexceptions")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set_directory_properties(PROPERTIES COMPILE_OPTIONS "${own_options}")
    include(GoogleTest)
    add_subdirectory(tests/component)
    add_subdirectory(tests/text)
endif()
