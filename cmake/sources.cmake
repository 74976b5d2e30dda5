# Libraries of the program. Each layer takes every source file of its folders,
# so a new file joins the build without editing this list.
set(VANTREL_SRC ${CMAKE_SOURCE_DIR}/src)
include(${CMAKE_CURRENT_LIST_DIR}/delay_load.cmake)

function(vantrel_glob out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${VANTREL_SRC}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Logic: compiles on any platform, talks to the outside only through src/platform.
vantrel_glob(core_sources common platform store engine menus/model menus/render ui/model)
add_library(vantrel_core STATIC ${core_sources})
target_include_directories(vantrel_core PUBLIC ${VANTREL_SRC})

if(WIN32)
  vantrel_glob(win32_sources platform/win32)
  add_library(vantrel_win32 STATIC ${win32_sources})
  target_include_directories(vantrel_win32 PUBLIC ${VANTREL_SRC})
  target_compile_definitions(vantrel_win32 PUBLIC NOMINMAX WIN32_LEAN_AND_MEAN)
  target_link_libraries(vantrel_win32 PUBLIC vantrel_core user32 gdi32 msimg32 shell32 advapi32 comctl32 version)
  vantrel_link_delayed(vantrel_win32 PUBLIC comdlg32 winmm)

  vantrel_glob(ui_sources ui ui/main ui/tray ui/sound)
  add_library(vantrel_ui STATIC ${ui_sources})
  target_link_libraries(vantrel_ui PUBLIC vantrel_win32)

  enable_language(RC)
  set(VANTREL_RESOURCES ${VANTREL_SRC}/assets/vantrel.rc)
  add_executable(Vantrel WIN32 ${VANTREL_SRC}/app/winmain.cpp ${VANTREL_RESOURCES})
  target_include_directories(Vantrel PRIVATE ${VANTREL_SRC}/assets)
  target_link_libraries(Vantrel PRIVATE vantrel_ui)
  set_target_properties(Vantrel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()

if(WIN32)
  # The default kill sound stands beside the executable, in "wave\1.wav".
  add_custom_command(TARGET Vantrel POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:Vantrel>/wave
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VANTREL_SRC}/assets/wave/1.wav $<TARGET_FILE_DIR:Vantrel>/wave/1.wav)
endif()
