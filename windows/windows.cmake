# What a Windows build does differently, in one place: one static program
# that needs no DLL beyond Windows' own, with its icon and version record.
# Included from src/CMakeLists.txt for WIN32, after the program's target.

# The icon at every size Explorer, the taskbar and Alt+Tab ask for, drawn
# from the same SVG as the Linux icons (`icon_pngs`, rendered beside them).
find_program(ICOTOOL icotool REQUIRED)
set(icon_ico ${CMAKE_CURRENT_BINARY_DIR}/restomer.ico)
list(FILTER icon_pngs EXCLUDE REGEX "/256/")
add_custom_command(OUTPUT ${icon_ico}
  COMMAND ${ICOTOOL} --create --output=${icon_ico} ${icon_pngs}
          --raw=${CMAKE_CURRENT_BINARY_DIR}/icons/256/${app_id}.png
  DEPENDS icons VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/windows/restomer.rc.in restomer.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/restomer.rc PROPERTIES
  OBJECT_DEPENDS ${icon_ico})
target_sources(restomer PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/restomer.rc)

# Worksheets are drawn on Qt's offscreen platform, as on Linux.
qt_import_plugins(restomer INCLUDE Qt6::QOffscreenIntegrationPlugin)

# Worksheets and reports are drawn on the offscreen platform, which finds no
# fonts of Windows': the program carries Liberation Serif (SIL Open Font
# License), Times New Roman's metrics with Cyrillic, from Debian's package.
set(carried_fonts /usr/share/fonts/truetype/liberation2)
qt_add_resources(restomer_print fonts
  PREFIX /fonts
  BASE ${carried_fonts}
  FILES ${carried_fonts}/LiberationSerif-Regular.ttf ${carried_fonts}/LiberationSerif-Bold.ttf)

# The program may import only DLLs that every Windows 10 and 11 has. Wine
# brings DLLs of its own (zlib1.dll among them), so a program that starts
# under Wine proves nothing of this: the build reads the import table.
if(NOT CMAKE_OBJDUMP)
  message(FATAL_ERROR "objdump of the mingw-w64 toolchain not found")
endif()
add_custom_command(TARGET restomer POST_BUILD
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:restomer>
          -DALLOWED=${PROJECT_SOURCE_DIR}/windows/system-dlls.txt
          -P ${PROJECT_SOURCE_DIR}/windows/check-imports.cmake
  VERBATIM)

# Qt's own texts in Bulgarian (its dialogs, its reasons for failed file
# operations): a lab's Windows has no Qt translations, so the program
# carries Debian's.
qt_add_resources(restomer_io translations
  PREFIX /translations
  BASE /usr/share/qt6/translations
  FILES /usr/share/qt6/translations/qtbase_bg.qm)
