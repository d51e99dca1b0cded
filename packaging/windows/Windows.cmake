# The Windows layout: LenvariMain.exe, the dialog library, Qt's and the compiler's DLLs in one
# folder, Qt's plugins in the folders beside it where Qt looks for them, and an NSIS installer
# with a Start-menu entry. The data folder (ProgramData) is made by the program, never by the
# installer, so uninstalling leaves every user's settings and scales where they are.

target_sources(LenvariMain PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/windows/LenvariMain.rc)
set_target_properties(LenvariMain PROPERTIES WIN32_EXECUTABLE ON)

install(TARGETS LenvariMain LenvariDLL RUNTIME DESTINATION . LIBRARY DESTINATION .)

set(qt_prefix ${QT6_INSTALL_PREFIX})
install(FILES ${qt_prefix}/bin/Qt6Core.dll ${qt_prefix}/bin/Qt6Gui.dll
              ${qt_prefix}/bin/Qt6Widgets.dll ${qt_prefix}/bin/Qt6Network.dll DESTINATION .)
set(qt_plugins ${qt_prefix}/${QT6_INSTALL_PLUGINS})
# offscreen: the scripted, headless runs (--keys, --frames) work on an installed copy too.
install(FILES ${qt_plugins}/platforms/qwindows.dll ${qt_plugins}/platforms/qoffscreen.dll
        DESTINATION platforms)
install(FILES ${qt_plugins}/styles/qwindowsvistastyle.dll DESTINATION styles)
file(GLOB image_plugins ${qt_plugins}/imageformats/*.dll)
install(FILES ${image_plugins} DESTINATION imageformats)

# The compiler's runtime, which Qt's DLLs link as well.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT EXISTS "${runtime_path}")
    find_file(runtime_path_${runtime} ${runtime} PATHS /usr/x86_64-w64-mingw32/lib
              /usr/x86_64-w64-mingw32/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    set(runtime_path ${runtime_path_${runtime}})
  endif()
  if(NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "The compiler's ${runtime} is not found")
  endif()
  install(FILES ${runtime_path} DESTINATION .)
endforeach()

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME lenvari-acuity)
set(CPACK_PACKAGE_VENDOR Lenvari)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "computerised visual-acuity chart for eye-examination rooms")
set(CPACK_PACKAGE_FILE_NAME lenvari-acuity-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Lenvari Acuity")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Lenvari Acuity")
set(CPACK_PACKAGE_EXECUTABLES LenvariMain "Lenvari Acuity")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "Lenvari Acuity")
set(CPACK_NSIS_PACKAGE_NAME "Lenvari Acuity")
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/LenvariAcuity.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_SOURCE_DIR}/windows/LenvariAcuity.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME LenvariMain.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_STRIP_FILES ON)
# A 64-bit installer for a 64-bit program: makensis makes 32-bit ones unless told, and CPack
# mangles a command-line "-XTarget amd64-unicode" on Linux, so the script says it, on the line
# after the compressor (the first place CPack lets a project write).
set(CPACK_NSIS_COMPRESSOR "lzma\n  Target amd64-unicode")
include(CPack)
