# Helpers every folder uses: build options per target, the layered source folders, and
# the data copy beside each binary.

# Warnings, and the sanitizers when asked for, on one target of ours.
function(ferrova_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(FERROVA_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# ferrova_add_layer(<target> [LINKS <targets...>] SOURCES <files...>)
# One folder of src/ as a static library. Its headers are included as "<folder>/Name.h"
# by the targets that link it, and only by them: each layer's include folder holds just a
# link to its own source folder, so an include against the direction of the links fails
# to build.
function(ferrova_add_layer target)
  cmake_parse_arguments(ARG "" "" "LINKS;SOURCES" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(include_dir ${PROJECT_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${include_dir})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_dir}/${folder} SYMBOLIC)
  qt_add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${include_dir})
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  # The chart plugin links the layers too.
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  ferrova_target_options(${target})
endfunction()

# ferrova_add_plugin_interface(<target> <header> LINKS <targets...>)
# The one header a plugin and the program share, seen as "<folder>/<header>", and the
# meta-objects of the classes it declares. The program and the plugin each link a copy: the
# program exports no symbols to its plugins.
function(ferrova_add_plugin_interface target header)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(include_dir ${PROJECT_BINARY_DIR}/layers/${target})
  file(MAKE_DIRECTORY ${include_dir}/${folder})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${include_dir}/${folder}/${header}
       SYMBOLIC)
  qt_add_library(${target} STATIC ${header})
  target_include_directories(${target} PUBLIC ${include_dir})
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  set_target_properties(${target} PROPERTIES
    LINKER_LANGUAGE CXX
    POSITION_INDEPENDENT_CODE ON)
  ferrova_target_options(${target})
endfunction()

# ferrova_add_plugin(<prefix> <class> <file name> <library> SOURCES <files...>)
# A plugin in both its forms: <prefix>_plugin, which the program loads from
# <program folder>/plugins/<file name>.so, and <prefix>_linked, the same linked in for the
# tests (Q_IMPORT_PLUGIN(<class>)). Both hold <library>, where the plugin's work is.
function(ferrova_add_plugin prefix class file_name library)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  qt_add_plugin(${prefix}_plugin CLASS_NAME ${class})
  target_sources(${prefix}_plugin PRIVATE ${ARG_SOURCES})
  target_link_libraries(${prefix}_plugin PRIVATE ${library})
  ferrova_target_options(${prefix}_plugin)
  set_target_properties(${prefix}_plugin PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${file_name}
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/plugins)

  qt_add_plugin(${prefix}_linked STATIC CLASS_NAME ${class})
  target_sources(${prefix}_linked PRIVATE ${ARG_SOURCES})
  target_link_libraries(${prefix}_linked PUBLIC ${library})
  ferrova_target_options(${prefix}_linked)
endfunction()

# The program looks for its data in <program folder>/Data: put a copy beside every binary
# folder. A target of its own, run on every build, so an edited data file is always copied.
# Binaries that share a folder share one copy target: two copies into one folder at once
# would trip over each other in a parallel build.
function(ferrova_copy_data target)
  get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT folder)
    set(folder ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  string(MD5 key "${folder}")
  set(copy ferrova_data_copy_${key})
  if(NOT TARGET ${copy})
    add_custom_target(${copy}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/Data
      COMMAND ${CMAKE_COMMAND} -E copy_if_different
              ${PROJECT_SOURCE_DIR}/Data/Elements.prn ${PROJECT_SOURCE_DIR}/Data/Properties.csv
              ${PROJECT_SOURCE_DIR}/Data/Isotopes.csv ${PROJECT_SOURCE_DIR}/Data/settings.prn
              ${folder}/Data/
      VERBATIM)
  endif()
  add_dependencies(${target} ${copy})
endfunction()
