# The demo folder of scripts/run: velpiners-demonotes, a host tool, writes its base.db from the readable
# description resources/demo/notes.txt; the host tests check the tool's bytes and that description.
if(NOT WIN32)
  add_library(demonoteslib STATIC tools/demonotes/demo_notes.cpp)
  velpiners_target(demonoteslib)
  target_link_libraries(demonoteslib PUBLIC velcore)

  add_executable(velpiners-demonotes tools/demonotes/main.cpp)
  velpiners_target(velpiners-demonotes)
  target_link_libraries(velpiners-demonotes PRIVATE demonoteslib)

  target_link_libraries(host_tests PRIVATE demonoteslib)
endif()
