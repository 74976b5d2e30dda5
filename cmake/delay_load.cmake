# DLLs the program needs only once the user asks for something are loaded at
# their first call instead of at start: comdlg32 (the colour chooser and the
# file dialog), which brings the printing system and its libraries with it,
# and winmm (the kill sound, the finer timer period while a new window is
# watched), which brings the audio compression manager.
#
# vantrel_link_delayed(target PUBLIC|PRIVATE dll...) links target with them.
# With MinGW the delayed imports come from an import library that dlltool
# makes from the list of the functions the program calls
# (cmake/delay_load/<dll>.def); a function missing there would come from
# the ordinary import library and load its DLL at start again, which the
# test "start_imports" reports.

function(vantrel_link_delayed target scope)
  foreach(dll IN LISTS ARGN)
    if(MINGW)
      set(def ${CMAKE_SOURCE_DIR}/cmake/delay_load/${dll}.def)
      set(lib ${CMAKE_BINARY_DIR}/delay_load/lib${dll}_delayed.a)
      if(NOT TARGET delay_load_${dll})
        add_custom_command(
          OUTPUT ${lib}
          COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay_load
          COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
          DEPENDS ${def}
          COMMENT "Delayed imports of ${dll}.dll"
          VERBATIM)
        add_custom_target(delay_load_${dll} DEPENDS ${lib})
      endif()
      add_dependencies(${target} delay_load_${dll})
      target_link_libraries(${target} ${scope} ${lib} ${dll})
    elseif(MSVC)
      target_link_libraries(${target} ${scope} ${dll} delayimp)
      target_link_options(${target} ${scope} /DELAYLOAD:${dll}.dll)
    else()
      target_link_libraries(${target} ${scope} ${dll})
    endif()
  endforeach()
endfunction()
