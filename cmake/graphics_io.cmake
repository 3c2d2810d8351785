# Graphics input and output: BMP files, zlib streams, picture packs (portable core) and the RESS resource
# loaders (Windows shell). zlib is linked statically into the Windows program.
target_sources(velcore PRIVATE
  graphics/bmp.cpp
  graphics/inflate.cpp
  graphics/picture_pack.cpp
  graphics/ress.cpp
)

if(WIN32)
  # Debian's libz-mingw-w64-dev: libz.a, so the program folder needs no zlib1.dll.
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)
target_link_libraries(velcore PUBLIC ZLIB::ZLIB)
