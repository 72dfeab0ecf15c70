# Files named ...Posix.cpp/.h or ...Windows.cpp/.h (tests: ...PosixTest.cpp, ...WindowsTest.cpp)
# hold what differs between the platforms; each build takes its own platform's files only.
if(WIN32)
  set(CADMIRA_OTHER_PLATFORM Posix)
else()
  set(CADMIRA_OTHER_PLATFORM Windows)
endif()
function(cadmira_drop_other_platform list)
  list(FILTER ${list} EXCLUDE REGEX "${CADMIRA_OTHER_PLATFORM}(Test)?\\.(cpp|h)$")
  set(${list} ${${list}} PARENT_SCOPE)
endfunction()

# The include root a library publishes: a folder of the build tree holding one link, at the
# library's own path below the source root, to the library's folder. `#include "base/X.h"` then
# finds base's headers for base and for what links it, and nothing else: a header of a folder the
# target does not link is not found, so that an include across the layers fails the build.
function(cadmira_own_include_root target out)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# One library target per source folder, built from every .cpp/.h in it. It sees the headers of
# its own folder and of the LIBS it links (which are the folders the layers let it use), and
# passes on the same to what links it.
function(cadmira_folder_library target)
  cmake_parse_arguments(ARG "" "" "LIBS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  cadmira_drop_other_platform(sources)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    cadmira_own_include_root(${target} include_root)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${include_root})
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  else()
    # A folder that holds no code yet still gives its dependents a target to link.
    cadmira_own_include_root(${target} include_root)
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${include_root})
    target_link_libraries(${target} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# One GoogleTest executable per tests/ folder, built from every .cpp in it.
function(cadmira_test_suite target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  cadmira_drop_other_platform(sources)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${target} PRIVATE CADMIRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(CMAKE_CROSSCOMPILING)
    # Under an emulator every start is costly: one test per suite, run whole.
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "LANG=C.UTF-8")
  else()
    gtest_discover_tests(${target}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# The small main.cpp of a folder, when it has one, becomes an executable over the folder's library.
function(cadmira_folder_executable name library)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE ${library})
  endif()
endfunction()
