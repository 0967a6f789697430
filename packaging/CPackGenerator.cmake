# Read by cpack for each generator: the Debian package takes the system layout, every other
# package (the TGZ archive) the portable folder, under a folder of its own name.
list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 build_dir)
list(GET CPACK_INSTALL_CMAKE_PROJECTS 1 project)
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_INSTALL_CMAKE_PROJECTS "${build_dir};${project};system;/")
else()
    set(CPACK_INSTALL_CMAKE_PROJECTS "${build_dir};${project};portable;/")
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
