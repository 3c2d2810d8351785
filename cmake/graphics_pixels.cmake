# The pixel side of the graphics core: colour arithmetic, effects, resampling and the skin compositor
# (portable core), the GDI effects (Win32 shell), the image tool velpiners-imgtool, and with
# VELPINERS_BENCHMARKS=ON (scripts/bench) the benchmarks against ImageMagick and libvips.
target_sources(velcore PRIVATE
  graphics/color.cpp
  graphics/compositor.cpp
  graphics/effects.cpp
  graphics/resample.cpp
)

# Every build must give the same pixels: no fused multiply-add, and on i686 SSE arithmetic instead of
# the x87 unit's excess precision.
set(VELPINERS_EXACT_FLOAT -ffp-contract=off)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  list(APPEND VELPINERS_EXACT_FLOAT -msse2 -mfpmath=sse)
endif()
target_compile_options(velcore PRIVATE ${VELPINERS_EXACT_FLOAT})

if(WIN32)
  target_sources(velshell PRIVATE graphics/gdi_effects.cpp)
endif()

# Benchmarks (scripts/bench builds them in their own folder): ours and the peers side by side.
option(VELPINERS_BENCHMARKS "Build the pixel benchmarks against ImageMagick and libvips" OFF)
if(VELPINERS_BENCHMARKS AND NOT WIN32)
  find_package(benchmark REQUIRED)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(PEERS REQUIRED IMPORTED_TARGET Magick++ vips)
  add_executable(pixels_bench tests/bench/pixels_bench.cpp)
  target_compile_options(pixels_bench PRIVATE -Wall -Wextra)
  target_link_libraries(pixels_bench PRIVATE velcore benchmark::benchmark PkgConfig::PEERS)
endif()
