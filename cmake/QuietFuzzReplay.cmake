# Replays a fuzz target's corpus and fails when the target fails or writes anything to its log
# (standard error): fuzz targets stay quiet, or every fuzzing run pays for their lines.
#   cmake -DTARGET=<fuzz target> -DCORPUS=<folder> -DLOG=<file> -P QuietFuzzReplay.cmake
execute_process(COMMAND ${TARGET} ${CORPUS} RESULT_VARIABLE result ERROR_FILE ${LOG})
file(SIZE ${LOG} logged)
if(NOT logged EQUAL 0)
  file(READ ${LOG} head LIMIT 2000)
  message("${head}")
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TARGET} failed: ${result}")
endif()
if(NOT logged EQUAL 0)
  message(FATAL_ERROR "${TARGET} wrote ${logged} bytes to its log")
endif()
