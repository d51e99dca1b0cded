# The tests the Windows build runs under Wine: the file readers and writers, chart frames, key
# scripts and scripted starts of the program. Windows, displays and sound need a real PC.
find_package(GTest CONFIG REQUIRED)

set(support_sources support/TestMain.cpp support/Pixels.cpp support/DataFolderText.cpp
    support/ProgramRun.cpp)
add_library(test_support STATIC ${support_sources})
target_include_directories(test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(test_support PUBLIC app phone platform_qt Qt6::Widgets GTest::gtest
  Qt6::Test)
target_compile_definitions(test_support PUBLIC
  LENVARI_MAIN_PATH="$<TARGET_FILE:LenvariMain>"
  LENVARI_SCREENS_DIR="${CMAKE_CURRENT_SOURCE_DIR}/screens"
  LENVARI_SUPPORT_DIR="${CMAKE_CURRENT_SOURCE_DIR}/support"
  LENVARI_TEST_OUTPUT_DIR="${CMAKE_CURRENT_BINARY_DIR}/output"
  LENVARI_MAN_PAGE="")

function(lenvari_windows_test folder)
  add_executable(test_${folder} ${ARGN})
  target_link_libraries(test_${folder} PRIVATE test_support)
  add_dependencies(test_${folder} LenvariMain)
endfunction()
lenvari_windows_test(store store/RoundTripTest.cpp store/DamagedFilesTest.cpp
  store/ScreenIdentityTest.cpp store/OwnFilesTest.cpp)
lenvari_windows_test(render render/ChartFrameTest.cpp render/ChartLayoutTest.cpp
  render/LightAndContrastTest.cpp)
lenvari_windows_test(platform platform/KeyScriptTest.cpp platform/CanvasTest.cpp)
lenvari_windows_test(windows windows/WindowsPlatformTest.cpp)
target_link_libraries(test_windows PRIVATE advapi32)
lenvari_windows_test(app app/CalibrationRunTest.cpp app/QuickKeyRunTest.cpp
  app/ProgramRunTest.cpp)
