# Every C++ file of the project is laid out as .clang-format says. Run by
# ctest as: cmake -DROOT=... -DCLANG_FORMAT=... -P check_format.cmake
cmake_minimum_required(VERSION 3.22)

if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format is not installed (make test installs it)")
endif()
file(GLOB_RECURSE sources
  "${ROOT}/src/*.cpp" "${ROOT}/src/*.h" "${ROOT}/tests/*.cpp" "${ROOT}/tests/*.h"
  "${ROOT}/bench/*.cpp" "${ROOT}/bench/*.h" "${ROOT}/fuzz/*.cpp" "${ROOT}/tools/*.cpp"
  "${ROOT}/tools/*.h")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                RESULT_VARIABLE result ERROR_VARIABLE problems)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "not formatted as .clang-format says (clang-format -i fixes it):\n${problems}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files formatted as .clang-format says")
