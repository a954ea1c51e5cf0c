# Each library's private headers are its own: code in any other folder, the library's own tests
# aside, may include only the headers the library lists PUBLIC. Checked at configure time, since
# one include root for every target would let any other include through.
function(vellum_check_published_headers)
    file(GLOB_RECURSE sources RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/*.cpp ${PROJECT_SOURCE_DIR}/*.h)
    list(FILTER sources EXCLUDE REGEX "^(build|debian|obj-)")
    foreach(library IN LISTS ARGN)
        if(NOT TARGET vellum_${library})
            continue()
        endif()
        get_target_property(published vellum_${library} INTERFACE_SOURCES)
        list(TRANSFORM published REPLACE ".*/" "${library}/")
        foreach(source IN LISTS sources)
            if(source MATCHES "^(tests/)?${library}/")
                continue()
            endif()
            file(STRINGS ${PROJECT_SOURCE_DIR}/${source} includes
                REGEX "^#include \"${library}/")
            foreach(include IN LISTS includes)
                string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${include}")
                if(NOT header IN_LIST published)
                    message(FATAL_ERROR "${source} includes ${header}, which vellum_${library} "
                        "keeps private; list it PUBLIC there, or include a published header")
                endif()
            endforeach()
        endforeach()
    endforeach()
endfunction()
