# Fails when any C++ file of the project differs from what clang-format makes of it.
file(GLOB_RECURSE sources
  ${ROOT}/src/*.cpp ${ROOT}/src/*.h
  ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
  ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h
  ${ROOT}/fuzz/*.cpp ${ROOT}/fuzz/*.h)
execute_process(
  COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Some files are not formatted; run clang-format -i on them.")
endif()
