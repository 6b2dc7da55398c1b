# Every source folder is one library made of the files in it, so adding a file
# to a folder needs no change here. A folder of headers only is an interface
# library.
function(kelvane_library name dir)
  kelvane_add_library(${name} GLOB "${dir}" ${ARGN})
endfunction()

# A library whose folder is split into subfolders by subject: made of the
# files in the folder and in all its subfolders.
function(kelvane_library_tree name dir)
  kelvane_add_library(${name} GLOB_RECURSE "${dir}" ${ARGN})
endfunction()

function(kelvane_add_library name glob dir)
  file(${glob} _sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.qrc")
  file(${glob} _headers CONFIGURE_DEPENDS "${dir}/*.h")
  if(_sources)
    add_library(${name} STATIC ${_sources} ${_headers})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE ${_headers})
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# One test executable per test folder, registered with CTest.
function(kelvane_test_folder name dir)
  file(GLOB _sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  if(NOT _sources)
    return()
  endif()
  add_executable(${name} ${_sources})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  # A folder whose tests need their own main (a QApplication) provides test_main.cpp.
  if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/test_main.cpp")
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KELVANE_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    TIMEOUT 300)
endfunction()
