# Graphics input and output: BMP files, zlib streams, picture packs (portable core) and the RESS resource
# loaders (Windows shell). zlib is linked statically into the Windows program.
velpiners_part(graphics_io
  PORTABLE graphics/bmp.cpp graphics/bmp.h graphics/byte_order.h graphics/inflate.cpp graphics/inflate.h
           graphics/picture.h graphics/picture_pack.cpp graphics/picture_pack.h graphics/ress.cpp graphics/ress.h
  WIN32 graphics/dib_bitmap_win.cpp graphics/dib_bitmap_win.h graphics/dib_section_win.cpp graphics/dib_section_win.h
        graphics/gdi_surface_win.cpp graphics/gdi_surface_win.h graphics/ress_loader_win.cpp graphics/ress_loader_win.h
)

if(WIN32)
  # Debian's libz-mingw-w64-dev: libz.a, so the program folder needs no zlib1.dll.
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)
target_link_libraries(velcore PUBLIC ZLIB::ZLIB)

if(WIN32)
  # The loader tests read RESS resources compiled into the test program.
  enable_language(RC)
  set(ress_test_data
    ${PROJECT_SOURCE_DIR}/tests/win32/data/picture24.ress
    ${PROJECT_SOURCE_DIR}/tests/win32/data/picture32.ress
    ${PROJECT_SOURCE_DIR}/tests/win32/data/grey8.ress
    ${PROJECT_SOURCE_DIR}/tests/win32/data/broken.ress
    ${PROJECT_SOURCE_DIR}/tests/win32/data/strip.ress
    ${PROJECT_SOURCE_DIR}/tests/win32/data/stripmask.ress
  )
  target_sources(win32_tests PRIVATE tests/win32/ress_test.rc)
  set_source_files_properties(tests/win32/ress_test.rc PROPERTIES OBJECT_DEPENDS "${ress_test_data}")
endif()
