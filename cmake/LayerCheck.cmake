# Fails when shell code above the platform layer includes what lies behind it: the layer's own
# inner headers, SDL, FreeType, fontconfig or POSIX. Tests, benchmarks and fuzz targets may.
#   cmake -DSHELL=<Shell/Rivakel folder> -P PlatformContractCheck.cmake
file(GLOB_RECURSE files "${SHELL}/core/*.cpp" "${SHELL}/core/*.h" "${SHELL}/frame/*.cpp" "${SHELL}/frame/*.h")
set(behind [[#include *[<"](platform/[^"]*/|SDL|ft2build|freetype|fontconfig|unistd\.h|fcntl\.h|dlfcn\.h|dirent\.h|signal\.h|spawn\.h|poll\.h|pthread\.h|sys/)]])
set(found 0)
foreach(file ${files})
  if(file MATCHES "/(tests|bench|fuzz)/")
    continue()
  endif()
  file(STRINGS "${file}" lines REGEX "${behind}")
  foreach(line ${lines})
    message("${file}: ${line}")
    math(EXPR found "${found} + 1")
  endforeach()
endforeach()
if(found GREATER 0)
  message(FATAL_ERROR "${found} include(s) reach behind the platform layer's contract")
endif()
