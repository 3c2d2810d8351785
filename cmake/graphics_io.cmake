# Graphics input and output: BMP files, zlib streams, picture packs (portable core) and the RESS resource
# loaders (Windows shell). zlib is linked statically into the Windows program.
target_sources(velcore PRIVATE
  graphics/bmp.cpp
)
