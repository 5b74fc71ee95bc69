# The program is built in layers, each a target of its own, and arrows between them point down only. A
# layer's include path holds its own headers and those of the layers it links, nothing else, so an include
# that runs up (scheduler/ including ui/, say) fails to compile instead of waiting for a reviewer.
#
# Sources include a header as "<folder>/<Name>.h" from the project's root. Each layer therefore gets a folder
# of its own in the build tree that holds only links to its headers, under the same relative path; that
# folder, not the project's root, is what the layer exports. A host that cannot make symbolic links (Windows
# without the privilege) gets the project's root instead: the program builds the same, without the check.

set(DORVIK_LAYER_ROOT ${PROJECT_BINARY_DIR}/layers)

# Whether this host can make symbolic links; tried once per configure.
file(REMOVE_RECURSE ${DORVIK_LAYER_ROOT})
file(MAKE_DIRECTORY ${DORVIK_LAYER_ROOT})
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/CMakeLists.txt ${DORVIK_LAYER_ROOT}/probe RESULT link_result SYMBOLIC)
if(link_result STREQUAL "0")
    set(DORVIK_LAYER_LINKS ON)
    file(REMOVE ${DORVIK_LAYER_ROOT}/probe)
else()
    set(DORVIK_LAYER_LINKS OFF)
    message(STATUS "No symbolic links on this host: the layers share the project's root as include path, "
                   "so an include that runs up the layers is not caught here")
endif()

# dorvik_layer(<target> <folder> [INTERFACE]): the headers directly in <folder> (not in its subfolders)
# become the public headers of <target>; without INTERFACE the target is a static library for the folder's
# sources, which the folder's own CMakeLists.txt adds.
function(dorvik_layer target folder)
    cmake_parse_arguments(PARSE_ARGV 2 layer "INTERFACE" "" "")
    if(layer_INTERFACE)
        add_library(${target} INTERFACE)
        set(scope INTERFACE)
    else()
        add_library(${target} STATIC)
        target_link_libraries(${target} PRIVATE dorvik_warnings dorvik_product_options)
        set(scope PUBLIC)
    endif()

    if(NOT DORVIK_LAYER_LINKS)
        target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR})
        return()
    endif()
    set(root ${DORVIK_LAYER_ROOT}/${target})
    file(MAKE_DIRECTORY ${root}/${folder})
    # CONFIGURE_DEPENDS: a header added later is linked at the next build without a manual reconfigure.
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    foreach(header IN LISTS headers)
        cmake_path(GET header FILENAME name)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()
