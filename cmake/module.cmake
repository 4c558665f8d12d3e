# VMAAPPS.ARX: the drafting module, one folder per subsystem at the top of the
# repository. It sees the host only through the platform API headers of
# host/include, and is built twice over the same objects: the plug-in the host
# loads with dlopen, and (through vmamodule) the unit tests of its folders.
set(module_dirs frame settings toolkit profiles commands lisp)
set(module_sources)
foreach(dir IN LISTS module_dirs)
  file(GLOB_RECURSE dir_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
  list(APPEND module_sources ${dir_sources})
endforeach()

# Where the build installs the module with its resources beside it.
set(VMA_INSTALL_DIR ${CMAKE_BINARY_DIR}/vma)

if(module_sources)
  add_library(vmamodule OBJECT ${module_sources})
  target_include_directories(vmamodule PUBLIC ${PROJECT_SOURCE_DIR}/host/include ${PROJECT_SOURCE_DIR})
  target_compile_definitions(vmamodule PUBLIC _AC64)
  target_link_libraries(vmamodule PUBLIC fmt::fmt)

  add_library(VMAAPPS MODULE $<TARGET_OBJECTS:vmamodule>)
  target_link_libraries(VMAAPPS PRIVATE vmahost fmt::fmt)
  set_target_properties(VMAAPPS PROPERTIES
    PREFIX "" SUFFIX ".ARX" OUTPUT_NAME VMAAPPS
    LIBRARY_OUTPUT_DIRECTORY ${VMA_INSTALL_DIR})
endif()

# The module's resources beside it: the message catalogue compiled from its
# readable source (one file per section) and the DCL file.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/mkcatalogue ${CMAKE_BINARY_DIR}/tools/mkcatalogue)
file(GLOB catalogue_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/catalogue/*.txt)
list(SORT catalogue_sources)
add_custom_command(
  OUTPUT ${VMA_INSTALL_DIR}/VMAAPPS.TXT
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VMA_INSTALL_DIR}
  COMMAND mkcatalogue ${VMA_INSTALL_DIR}/VMAAPPS.TXT ${catalogue_sources}
  DEPENDS mkcatalogue ${catalogue_sources}
  COMMENT "Compiling the message catalogue VMAAPPS.TXT")
add_custom_command(
  OUTPUT ${VMA_INSTALL_DIR}/VMAAPPS.DCL
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/resources/VMAAPPS.DCL ${VMA_INSTALL_DIR}/VMAAPPS.DCL
  DEPENDS ${PROJECT_SOURCE_DIR}/resources/VMAAPPS.DCL)
add_custom_target(vma_resources ALL
  DEPENDS ${VMA_INSTALL_DIR}/VMAAPPS.TXT ${VMA_INSTALL_DIR}/VMAAPPS.DCL)
