# The pictures: tools/artgen draws them into resources/ (host build; run it by hand after changing the
# drawing code, the host tests check that resources/ matches it). The Windows build packs every
# resources/*.bmp into a zlib stream with resspack, a host tool it builds for the build machine, and
# links them in as RESS resources, with the program icon and the manifest.

if(NOT WIN32)
  add_library(artgenlib STATIC
    tools/artgen/artwork.cpp
    tools/artgen/catalog.cpp
    tools/artgen/controls.cpp
    tools/artgen/flags.cpp
    tools/artgen/gallery.cpp
    tools/artgen/icon_pen.cpp
    tools/artgen/icons.cpp
    tools/artgen/label_font.cpp
    tools/artgen/program_icon.cpp
    tools/artgen/raster.cpp
    tools/artgen/sample_pack.cpp
    tools/artgen/skins.cpp
    tools/artgen/stroke_font.cpp
  )
  velpiners_target(artgenlib)
  target_link_libraries(artgenlib PUBLIC velcore)

  add_executable(artgen tools/artgen/main.cpp)
  velpiners_target(artgen)
  target_link_libraries(artgen PRIVATE artgenlib)

  target_link_libraries(host_tests PRIVATE artgenlib)
  target_compile_definitions(host_tests PRIVATE VELPINERS_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
else()
  enable_language(RC)
  include(ExternalProject)
  set(resspack_dir ${CMAKE_BINARY_DIR}/resspack)
  set(resspack_exe ${resspack_dir}/resspack${CMAKE_HOST_EXECUTABLE_SUFFIX})
  # A build for the build machine: no toolchain file, the host's compiler and zlib.
  ExternalProject_Add(resspack
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/resspack
    BINARY_DIR ${resspack_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVELPINERS_ROOT=${PROJECT_SOURCE_DIR}
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${resspack_exe}
    BUILD_ALWAYS TRUE
  )

  file(GLOB resource_bitmaps CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/*.bmp)
  list(SORT resource_bitmaps)
  set(program_icon ${PROJECT_SOURCE_DIR}/resources/velpiners.ico)
  set(program_manifest ${PROJECT_SOURCE_DIR}/resources/velpiners.manifest)
  set(ress_dir ${CMAKE_BINARY_DIR}/ress)
  set(ress_rc ${ress_dir}/velpiners_resources.rc)
  file(MAKE_DIRECTORY ${ress_dir})
  add_custom_command(
    OUTPUT ${ress_rc}
    COMMAND ${resspack_exe} ${ress_dir} ${ress_rc} ${program_icon} ${program_manifest} ${resource_bitmaps}
    DEPENDS resspack ${resspack_exe} ${resource_bitmaps} ${program_icon} ${program_manifest}
    COMMENT "Packing the pictures into RESS resources"
    VERBATIM
  )
  target_sources(velpiners PRIVATE ${ress_rc})
  # The resource test opens velpiners.exe as a data file.
  add_dependencies(win32_tests velpiners)
endif()
