# cmake -DSTORE=<Core.rdt> -P SeedStore.cmake: writes an empty user store unless one is there.
if(NOT EXISTS "${STORE}")
  file(WRITE "${STORE}" "<RDT ver=\"00.01.00.00\"></RDT>\r\n")
endif()
