# Checks of what gets installed: the validators, an install into a scratch prefix run from
# there, the manual pages, the completion and the Debian package. Each skips, naming the
# package, when its tool is missing.
file(GLOB ZOLVIK_INSTALL_TESTS CONFIGURE_DEPENDS tests/install/*.cpp tests/install/*.h)
if(NOT ZOLVIK_INSTALL_TESTS)
  return()
endif()

# Loaded into the installed window by QT_QPA_GENERIC_PLUGINS to drive it from inside.
add_library(zolvikprobe MODULE tests/install/probe/probe_plugin.cpp)
target_link_libraries(zolvikprobe PRIVATE Qt6::Widgets)
set_target_properties(zolvikprobe PROPERTIES AUTOMOC ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/plugins/generic)

add_executable(zolvik_install_tests ${ZOLVIK_INSTALL_TESTS})
target_link_libraries(zolvik_install_tests PRIVATE Qt6::Core GTest::gtest_main)
target_include_directories(zolvik_install_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(zolvik_install_tests PRIVATE
  ZOLVIK_SOURCE_DIR="${CMAKE_SOURCE_DIR}" ZOLVIK_BUILD_DIR="${CMAKE_BINARY_DIR}"
  ZOLVIK_APP_ID="${ZOLVIK_APP_ID}" ZOLVIK_VERSION="${PROJECT_VERSION}"
  ZOLVIK_CMAKE_COMMAND="${CMAKE_COMMAND}" ZOLVIK_CPACK_COMMAND="${CMAKE_CPACK_COMMAND}"
  ZOLVIK_PROBE_PLUGIN_PATH="${CMAKE_BINARY_DIR}/tests/plugins"
  $<$<TARGET_EXISTS:zolvik>:ZOLVIK_HAS_CLI>)
add_dependencies(zolvik_install_tests zolvikprobe)
# The install and the package copy every built file, so they run alone.
gtest_discover_tests(zolvik_install_tests DISCOVERY_TIMEOUT 60
  PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE)
