# What Windows users get: Vantrel.exe with its manifest and its version
# resource, and one archive to download that holds the program, its default
# sound and its readme. The version is the project's, from CMakeLists.txt.

if(PROJECT_VERSION_TWEAK STREQUAL "")
  set(VANTREL_VERSION_TWEAK 0)
else()
  set(VANTREL_VERSION_TWEAK ${PROJECT_VERSION_TWEAK})
endif()
set(VANTREL_VERSION_QUAD
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${VANTREL_VERSION_TWEAK})

# The manifest names the processor the program is built for: a 32-bit
# program that claims amd64 would not start.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(ARM64|arm64|aarch64)$")
    set(VANTREL_MANIFEST_PROCESSOR arm64)
  else()
    set(VANTREL_MANIFEST_PROCESSOR amd64)
  endif()
else()
  set(VANTREL_MANIFEST_PROCESSOR x86)
endif()

set(VANTREL_GENERATED ${CMAKE_BINARY_DIR}/generated)
set(VANTREL_MANIFEST_FILE ${VANTREL_GENERATED}/Vantrel.exe.manifest)
configure_file(${VANTREL_SRC}/assets/Vantrel.exe.manifest.in ${VANTREL_MANIFEST_FILE} @ONLY)
configure_file(${VANTREL_SRC}/assets/vantrel_version.h.in ${VANTREL_GENERATED}/vantrel_version.h @ONLY)
# Every program built with the resource script (Vantrel.exe, the Win32 tests,
# the benchmarks) finds the generated header.
target_include_directories(Vantrel PRIVATE ${VANTREL_GENERATED})
include_directories($<$<COMPILE_LANGUAGE:RC>:${VANTREL_GENERATED}>)
if(MSVC)
  # The manifest comes from the resource script: a second one made by the
  # linker would be a duplicate resource.
  target_link_options(Vantrel PRIVATE /MANIFEST:NO)
  add_link_options(/MANIFEST:NO)
endif()
if(MINGW)
  # Sections aligned to whole pages in the file as in memory: Wine then maps
  # the program's code, constants and pictures from the file, clean and
  # shared, where with the default 512-byte file alignment it copies every
  # section into private memory (2.5 MB of Vantrel's). Windows maps either.
  target_link_options(Vantrel PRIVATE -Wl,--file-alignment,4096)
endif()
# The resource compiler reads these files, which its dependency scan misses.
file(GLOB VANTREL_SKIN_FILES CONFIGURE_DEPENDS ${VANTREL_SRC}/assets/skin/*)
set_source_files_properties(${VANTREL_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${VANTREL_MANIFEST_FILE};${VANTREL_GENERATED}/vantrel_version.h;${VANTREL_SKIN_FILES}")

# The release archive, built with the program: a folder "Vantrel" with
# Vantrel.exe, wave\1.wav and the readme (French and English, CR LF line
# ends for Notepad), zipped as Vantrel-<version>-<processor>.zip.
set(VANTREL_RELEASE_NAME Vantrel-${PROJECT_VERSION}-${VANTREL_MANIFEST_PROCESSOR})
set(VANTREL_RELEASE_ARCHIVE ${CMAKE_BINARY_DIR}/release/${VANTREL_RELEASE_NAME}.zip)
set(VANTREL_README ${VANTREL_GENERATED}/LISEZMOI-README.txt)
configure_file(${VANTREL_SRC}/assets/release/LISEZMOI-README.txt.in ${VANTREL_README} @ONLY NEWLINE_STYLE CRLF)
set(stage ${CMAKE_BINARY_DIR}/release/stage)
add_custom_command(
  OUTPUT ${VANTREL_RELEASE_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/Vantrel/wave
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Vantrel> ${stage}/Vantrel/Vantrel.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${VANTREL_SRC}/assets/wave/1.wav ${stage}/Vantrel/wave/1.wav
  COMMAND ${CMAKE_COMMAND} -E copy ${VANTREL_README} ${stage}/Vantrel/LISEZMOI-README.txt
  COMMAND ${CMAKE_COMMAND} -E rm -f ${VANTREL_RELEASE_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${VANTREL_RELEASE_ARCHIVE} --format=zip Vantrel
  DEPENDS Vantrel ${VANTREL_SRC}/assets/wave/1.wav ${VANTREL_README}
  COMMENT "Release archive ${VANTREL_RELEASE_NAME}.zip"
  VERBATIM)
add_custom_target(release_archive ALL DEPENDS ${VANTREL_RELEASE_ARCHIVE})
