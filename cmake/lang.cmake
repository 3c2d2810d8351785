# Targets and sources of one part of the program; included from the top-level CMakeLists.txt after
# velcore (portable core), and on Windows velshell and velpiners, exist. Add sources with
# target_sources(velcore ...) / target_sources(velshell ...).

# The interface texts: keys, built-in texts, language files, flags and the start-up language choice.
target_sources(velcore PRIVATE
  lang/cp1251.cpp
  lang/language_choice.cpp
  lang/language_info.cpp
  lang/menu_captions.cpp
  lang/text_table.cpp
)

if(WIN32)
  target_sources(velshell PRIVATE
    lang/private_profile.cpp
  )
endif()
