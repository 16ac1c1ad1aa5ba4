# Plants one include at a time in a small tree and runs the layer check on it: each row says
# whether the check must refuse it.
#   cmake -DCHECK=<LayerCheck.cmake> -DWORK=<scratch folder> -P LayerCheckPlanted.cmake
set(cases
  # file | include | refused
  "Shell/Rivakel/core/base/Planted.cpp|#include \"frame/shell/Shell.h\"|1"
  "Shell/Rivakel/core/report/Planted.cpp|#include \"app/App.h\"|1"
  "Shell/Rivakel/frame/pages/Planted.h|#include \"app/Session.h\"|1"
  "Shell/Rivakel/platform/Planted.cpp|#include \"core/base/Log.h\"|1"
  "Shell/Rivakel/frame/shell/Planted.cpp|#include \"harness/AppletHarness.h\"|1"
  "Shell/Rivakel/core/net/Planted.cpp|#include <sys/socket.h>|1"
  "Shell/Rivakel/frame/host/Planted.cpp|#include \"platform/posix/Fd.h\"|1"
  "Shell/Rivakel/frame/pages/Planted.cpp|#include \"app/testing/TestPortal.h\"|1"
  "Shell/Rivakel/core/base/Planted.cpp|#include \"Tools/portalserver/PortalServer.h\"|1"
  "Apps/Sample/Planted.cpp|#include \"core/base/Log.h\"|1"
  "Games/Sample/Planted.cpp|#include \"frame/shell/Shell.h\"|1"
  "Games/Sample/Planted.cpp|#include \"Apps/Other/Rules.h\"|1"
  "Apps/Common/Planted.cpp|#include \"platform/Platform.h\"|1"
  "Games/Sample/Planted.cpp|#include \"harness/AppletHarness.h\"|1"
  "Shell/Rivakel/app/Planted.cpp|#include \"frame/shell/Shell.h\"|0"
  "Shell/Rivakel/frame/pages/Planted.cpp|#include \"core/outbox/COutbox.h\"|0"
  "Shell/Rivakel/frame/pages/tests/Planted.cpp|#include \"app/testing/TestPortal.h\"|0"
  "Shell/Rivakel/core/net/tests/Planted.cpp|#include <sys/socket.h>|0"
  "Games/Sample/Planted.cpp|#include \"frame/api/IShellFactory.h\"|0"
  "Games/Sample/Planted.cpp|#include \"Apps/Common/Applet.h\"|0"
  "Games/Sample/Planted.cpp|#include \"Games/Sample/Rules.h\"|0"
  "Games/Sample/art/Planted.cpp|#include \"art/ArtRegistry.h\"|0"
  "Games/Sample/tests/Planted.cpp|#include \"harness/AppletHarness.h\"|0")

set(failures 0)
foreach(row ${cases})
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 file)
  list(GET fields 1 include)
  list(GET fields 2 refused)
  file(REMOVE_RECURSE "${WORK}")
  file(WRITE "${WORK}/${file}" "${include}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK} -P ${CHECK} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    set(seen 0)
  else()
    set(seen 1)
  endif()
  if(NOT seen EQUAL refused)
    message("${file}: ${include}: expected refused=${refused}, got ${seen}")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} planted include(s) judged wrongly")
endif()
