# The tests the Windows build runs under Wine: the file readers and writers, chart frames, key
# scripts and scripted starts of the program. Windows, displays and sound need a real PC.
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
