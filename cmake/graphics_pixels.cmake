# Targets and sources of one part of the program; included from the top-level CMakeLists.txt after
# velcore (portable core), and on Windows velshell and velpiners, exist. Add sources with
# target_sources(velcore ...) / target_sources(velshell ...).
