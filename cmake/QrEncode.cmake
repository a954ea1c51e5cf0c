# libqrencode as the target vellum::qrencode: Debian's library for the machine, and for the
# offline page the same release's sources (third_party/qrencode), built for WebAssembly.
if(EMSCRIPTEN)
    enable_language(C)
    set(here ${PROJECT_SOURCE_DIR}/third_party/qrencode)
    add_library(vellum_qrencode STATIC
        ${here}/bitstream.c ${here}/mask.c ${here}/mmask.c ${here}/mqrspec.c ${here}/qrencode.c
        ${here}/qrinput.c ${here}/qrspec.c ${here}/rsecc.c ${here}/split.c)
    target_include_directories(vellum_qrencode SYSTEM PUBLIC ${here})
    target_compile_definitions(vellum_qrencode PRIVATE STATIC_IN_RELEASE=static MAJOR_VERSION=4
        MINOR_VERSION=1 MICRO_VERSION=1 VERSION="4.1.1")
    # Its own code, not held to this project's warnings.
    set_target_properties(vellum_qrencode PROPERTIES COMPILE_OPTIONS "-w")
    add_library(vellum::qrencode ALIAS vellum_qrencode)
else()
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(QRENCODE REQUIRED IMPORTED_TARGET libqrencode)
    add_library(vellum::qrencode ALIAS PkgConfig::QRENCODE)
endif()
