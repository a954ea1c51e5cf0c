# The hardening Debian builds its packages with, for everyone who builds from source. A caller
# that passes flags of its own, as dpkg-buildflags does, keeps them: each flag below is added only
# where the caller's flags have none of its kind.
set(vellum_caller_flags "${CMAKE_CXX_FLAGS}")
set(vellum_caller_link_flags "${CMAKE_EXE_LINKER_FLAGS}")

function(vellum_harden kind flag)
    if(NOT vellum_caller_flags MATCHES "${kind}")
        add_compile_options("${flag}")
    endif()
endfunction()

vellum_harden(-fstack-protector -fstack-protector-strong)
vellum_harden(-fstack-clash-protection -fstack-clash-protection)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
    vellum_harden(-fcf-protection -fcf-protection)
endif()
# Only where the compiler optimises, which fortification needs; and not under AddressSanitizer,
# whose checks the fortified functions would go around.
if(NOT VELLUM_SANITIZE)
    vellum_harden(_FORTIFY_SOURCE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
foreach(kind relro now)
    if(NOT vellum_caller_link_flags MATCHES "-z,? *${kind}")
        add_link_options(LINKER:-z,${kind})
    endif()
endforeach()
