# Install script, run after every other install rule: every folder on the way to an installed
# file becomes readable and searchable by everyone. CMake creates folders with
# CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS less the installer's umask, so under umask 077 they
# would be 0700 and the programs unreachable for every other user. Bits are only added, and
# only where missing: a folder that was there before keeps its mode.
cmake_policy(VERSION 3.25)
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    string(REGEX REPLACE "/+" "/" stop "$ENV{DESTDIR}")
else()
    get_filename_component(stop "${CMAKE_INSTALL_PREFIX}" DIRECTORY)
endif()
string(REGEX REPLACE "/$" "" stop "${stop}")
set(folders "")
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    string(REGEX REPLACE "/+" "/" file "$ENV{DESTDIR}/${file}")
    get_filename_component(dir "${file}" DIRECTORY)
    while(NOT dir STREQUAL stop AND NOT dir STREQUAL "/" AND NOT dir IN_LIST folders)
        list(APPEND folders "${dir}")
        get_filename_component(dir "${dir}" DIRECTORY)
    endwhile()
endforeach()
if(folders)
    execute_process(COMMAND find ${folders} -maxdepth 0 -type d ! -perm -055
                            -exec chmod go+rx {} + COMMAND_ERROR_IS_FATAL ANY)
endif()
