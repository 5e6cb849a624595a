# CPack post-build script: finishes the debug-symbols package as Debian's own are. CPack lists
# its files in md5sums by their staging paths; they are listed from the package root instead.
# The debug files are data (0644), and the documentation is that of the package the symbols
# belong to (usr/share/doc/kanalo-dbgsym -> kanalo).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "/(kanalo-dbgsym)_[^/]*\\.ddeb$")
        continue()
    endif()
    set(root ${package}.tree)
    file(REMOVE_RECURSE ${root})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${root} COMMAND_ERROR_IS_FATAL ANY)
    file(MAKE_DIRECTORY ${root}/usr/share/doc)
    file(CREATE_LINK kanalo ${root}/usr/share/doc/${CMAKE_MATCH_1} SYMBOLIC)
    execute_process(COMMAND chmod -R a-x,u=rwX,go=rX ${root} COMMAND_ERROR_IS_FATAL ANY)

    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${root} ${root}/usr/*)
    list(SORT files)
    set(sums "")
    foreach(file IN LISTS files)
        if(NOT IS_SYMLINK ${root}/${file})
            file(MD5 ${root}/${file} sum)
            string(APPEND sums "${sum}  ${file}\n")
        endif()
    endforeach()
    file(WRITE ${root}/DEBIAN/md5sums "${sums}")

    # Owner root, and every time no later than SOURCE_DATE_EPOCH.
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${root} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${root})
endforeach()
