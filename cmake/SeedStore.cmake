# cmake -DSTORE=<Core.rdt> -P SeedStore.cmake: writes the user store an installed portal starts
# with (the guest user, the games' section and the shell's settings) unless one is there. The
# portal adds the shell's version and the guest's registration date at its first start.
if(NOT EXISTS "${STORE}")
  string(CONCAT core
    "<RDT ver=\"00.01.00.00\">\r\n"
    "   <Users>\r\n"
    "      <User localid=\"0\">\r\n"
    "         <Email>guest</Email>\r\n"
    "      </User>\r\n"
    "   </Users>\r\n"
    "   <Rivlets/>\r\n"
    "   <Shell>\r\n"
    "      <DefaultUser localid=\"0\"/>\r\n"
    "   </Shell>\r\n"
    "</RDT>\r\n")
  file(WRITE "${STORE}" "${core}")
endif()
