# Setup.exe: the application frame and the wizard over the portable core.

set(ZELMORA_JPEG_PREFIX "${CMAKE_SOURCE_DIR}/build/deps/libjpeg-turbo-${CMAKE_SYSTEM_PROCESSOR}"
    CACHE PATH "libjpeg-turbo built for the target by tools/setup.sh")
add_library(zelmora_jpeg STATIC IMPORTED)
set_target_properties(zelmora_jpeg PROPERTIES
  IMPORTED_LOCATION "${ZELMORA_JPEG_PREFIX}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${ZELMORA_JPEG_PREFIX}/include")

add_library(zelmora_app STATIC
  app/application_window.cpp
  app/error_handler.cpp
  entry/runs_without_wizard.cpp
  app/message_services.cpp
  app/redirection_trust.cpp
  app/system_libraries.cpp
  app/display_scale.cpp
  app/title.cpp
  wizard/design_fonts.cpp
  wizard/form1.cpp
  wizard/form1_colours.cpp
  wizard/form1_keys.cpp
  wizard/form1_layout.cpp
  wizard/form_design.cpp
  wizard/game_folder_registry.cpp
  wizard/game_search.cpp
  wizard/gdi_objects.cpp
  wizard/page_picture.cpp
  wizard/picture_resampling.cpp
  wizard/resource_bytes.cpp
  app/select_folder.cpp
)
target_link_libraries(zelmora_app PUBLIC zelmora_core zelmora_jpeg user32 gdi32 advapi32 shell32 ole32)


zelmora_warnings(zelmora_app)

# The artwork is kept as SVG and rendered at build time.
set(ZELMORA_ARTWORK "${CMAKE_BINARY_DIR}/artwork")
set(ZELMORA_RESOURCES "${CMAKE_SOURCE_DIR}/wizard/resources")
set(ZELMORA_PICTURES "${ZELMORA_ARTWORK}/page_picture_100.jpg" "${ZELMORA_ARTWORK}/page_picture_125.jpg"
    "${ZELMORA_ARTWORK}/page_picture_150.jpg" "${ZELMORA_ARTWORK}/page_picture_200.jpg")
add_custom_command(
  OUTPUT ${ZELMORA_PICTURES} "${ZELMORA_ARTWORK}/setup.ico"
  COMMAND "${CMAKE_SOURCE_DIR}/tools/render-artwork.sh" "${ZELMORA_RESOURCES}/page_picture.svg"
          "${ZELMORA_ARTWORK}"
  DEPENDS "${ZELMORA_RESOURCES}/page_picture.svg" "${CMAKE_SOURCE_DIR}/tools/render-artwork.sh"
  COMMENT "Rendering the page picture and the program icon")
add_custom_target(zelmora_artwork DEPENDS ${ZELMORA_PICTURES} "${ZELMORA_ARTWORK}/setup.ico")

# Windows refuses to start a program whose manifest names another architecture.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ZELMORA_MANIFEST_ARCH amd64)
else()
  set(ZELMORA_MANIFEST_ARCH x86)
endif()
set(ZELMORA_GENERATED "${CMAKE_BINARY_DIR}/generated")
configure_file("${ZELMORA_RESOURCES}/setup.manifest.in" "${ZELMORA_GENERATED}/setup.manifest" @ONLY)

set_source_files_properties("${ZELMORA_RESOURCES}/setup.rc" PROPERTIES OBJECT_DEPENDS
  "${ZELMORA_PICTURES};${ZELMORA_ARTWORK}/setup.ico;${ZELMORA_GENERATED}/setup.manifest;${ZELMORA_RESOURCES}/welcome.txt;${ZELMORA_RESOURCES}/readme.txt")

# The C++ runtime's default terminate handler writes the exception's demangled
# type to the console before it aborts, and brings the runtime's demangler
# (about 45 KB); a window program has no console, so terminate aborts at once,
# as a runtime configured without that handler does. The 32-bit target's C
# names carry a leading underscore.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(ZELMORA_C_PREFIX _)
endif()
set(ZELMORA_TERMINATE_ABORTS
    "-Wl,--defsym,${ZELMORA_C_PREFIX}_ZN9__gnu_cxx27__verbose_terminate_handlerEv=${ZELMORA_C_PREFIX}abort")

function(zelmora_setup_program target)
  add_executable(${target} WIN32 entry/main.cpp "${ZELMORA_RESOURCES}/setup.rc" ${ARGN})
  add_dependencies(${target} zelmora_artwork)
  target_link_options(${target} PRIVATE "${ZELMORA_TERMINATE_ABORTS}")
  target_include_directories(${target} PRIVATE "${ZELMORA_GENERATED}" "${ZELMORA_RESOURCES}"
                             "${ZELMORA_ARTWORK}")
  target_link_libraries(${target} PRIVATE zelmora_app)
  zelmora_warnings(${target})
endfunction()

# Linked the ordinary way only to learn which system functions the program
# imports; Setup.exe itself binds them at first use (make-delayed-imports.sh).
zelmora_setup_program(setup_import_probe)
enable_language(ASM)
set(ZELMORA_DELAYED_IMPORTS "${CMAKE_BINARY_DIR}/delayed_imports.s")
add_custom_command(
  OUTPUT "${ZELMORA_DELAYED_IMPORTS}"
  COMMAND "${CMAKE_SOURCE_DIR}/tools/make-delayed-imports.sh" "${CMAKE_SYSTEM_PROCESSOR}"
          "$<TARGET_FILE:setup_import_probe>" "${ZELMORA_DELAYED_IMPORTS}"
  DEPENDS setup_import_probe "${CMAKE_SOURCE_DIR}/tools/make-delayed-imports.sh"
  COMMENT "Listing the system functions that Setup.exe binds at first use")
zelmora_setup_program(Setup app/delayed_imports.cpp "${ZELMORA_DELAYED_IMPORTS}")
