# Adds every direct subfolder of FOLDER that has a CMakeLists.txt, in name order, so that a new
# host, test folder or benchmark joins the build without touching the parent's list.
function(ov_add_subdirectories folder)
    file(GLOB children LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*")
    list(SORT children)
    foreach(child IN LISTS children)
        if(IS_DIRECTORY "${child}" AND EXISTS "${child}/CMakeLists.txt")
            add_subdirectory("${child}")
        endif()
    endforeach()
endfunction()

# Collects the C++ sources below the given folders (relative to the current source folder).
function(ov_collect_sources out)
    set(result)
    foreach(folder IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp")
        list(APPEND result ${found})
    endforeach()
    list(SORT result)
    set(${out} ${result} PARENT_SCOPE)
endfunction()
