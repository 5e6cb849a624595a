# CPack pre-build script: removes the .comment section (the compiler's version notes) from
# every ELF file of the staged package, so the package does not depend on the exact compiler
# build and carries nothing it does not need.
find_program(objcopy NAMES objcopy REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
    if(IS_SYMLINK ${file})
        continue()
    endif()
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND ${objcopy} --remove-section=.comment ${file} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
