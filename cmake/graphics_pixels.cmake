# The pixel side of the graphics core: colour arithmetic, effects, resampling and the skin compositor
# (portable core), the GDI effects (Win32 shell), the image tool velpiners-imgtool, and with
# VELPINERS_BENCHMARKS=ON (scripts/bench) the benchmarks against ImageMagick and libvips.
velpiners_part(graphics_pixels
  PORTABLE graphics/background_cache.cpp graphics/background_cache.h graphics/color.cpp graphics/color.h
           graphics/compositor.cpp graphics/compositor.h graphics/effects.cpp graphics/effects.h
           graphics/rect.h
           graphics/resample.cpp graphics/resample.h graphics/scaled_picture.cpp graphics/scaled_picture.h
  WIN32 graphics/gdi_effects_win.cpp graphics/gdi_effects_win.h
)

# The floating-point flags that make every build give the same pixels are set for all targets (the
# toolchain file and CMakeLists.txt).

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

# The image tool, for the host and for Windows (where the tests run it under Wine to compare the two).
add_executable(velpiners-imgtool tools/imgtool/main.cpp)
velpiners_target(velpiners-imgtool)
target_link_libraries(velpiners-imgtool PRIVATE velcore)

if(NOT WIN32)
  # Inputs of the host-against-Windows comparison of the image tool (tests/imgtool/compare.sh).
  add_executable(imgtool_inputs tests/imgtool/make_inputs.cpp)
  velpiners_target(imgtool_inputs)
  target_link_libraries(imgtool_inputs PRIVATE velcore)

  # The tool's command line: help, refusals with their exit status, a pack written and listed back.
  set(imgtool_dir ${CMAKE_CURRENT_BINARY_DIR}/imgtool-test)
  add_test(NAME imgtool_inputs COMMAND ${CMAKE_COMMAND} -E make_directory ${imgtool_dir})
  add_test(NAME imgtool_write_inputs COMMAND imgtool_inputs ${imgtool_dir})
  set_tests_properties(imgtool_inputs PROPERTIES FIXTURES_SETUP imgtool_folder)
  set_tests_properties(imgtool_write_inputs PROPERTIES FIXTURES_REQUIRED imgtool_folder FIXTURES_SETUP imgtool_files)
  add_test(NAME imgtool_help COMMAND velpiners-imgtool --help)
  set_tests_properties(imgtool_help PROPERTIES PASS_REGULAR_EXPRESSION "bspline.*lanczos3.*mitchell")
  add_test(NAME imgtool_unknown_filter COMMAND velpiners-imgtool resample skin.bmp out.bmp 9 9 gauss)
  add_test(NAME imgtool_zero_width COMMAND velpiners-imgtool resample skin.bmp out.bmp 0 9 box)
  add_test(NAME imgtool_small_picture_number COMMAND velpiners-imgtool vpi-pack low.vpi 100=icon32.bmp)
  add_test(NAME imgtool_missing_file COMMAND velpiners-imgtool tint absent.bmp 1 2 3 out.bmp)
  add_test(NAME imgtool_not_a_pack COMMAND velpiners-imgtool vpi-list skin.bmp)
  set_tests_properties(imgtool_unknown_filter imgtool_zero_width imgtool_small_picture_number
                       imgtool_missing_file imgtool_not_a_pack
                       PROPERTIES WILL_FAIL TRUE WORKING_DIRECTORY ${imgtool_dir} FIXTURES_REQUIRED imgtool_files)
  add_test(NAME imgtool_pack COMMAND velpiners-imgtool vpi-pack icons.vpi --compress 101=icon32.bmp
                                     4000=mask8.bmp 102=topdown32.bmp)
  add_test(NAME imgtool_pack_listed COMMAND velpiners-imgtool vpi-list icons.vpi)
  set_tests_properties(imgtool_pack PROPERTIES WORKING_DIRECTORY ${imgtool_dir} FIXTURES_REQUIRED imgtool_files
                       FIXTURES_SETUP imgtool_pack)
  set_tests_properties(imgtool_pack_listed PROPERTIES WORKING_DIRECTORY ${imgtool_dir} FIXTURES_REQUIRED
                       "imgtool_files;imgtool_pack" PASS_REGULAR_EXPRESSION
                       "3 entries, compressed.*101 +[0-9]+ +32  48 x 48\n +4000 +[0-9]+ +8  239 x 141\n +102 +[0-9]+ +32  31 x 17")
endif()
