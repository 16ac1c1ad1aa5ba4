#!/usr/bin/env bash
# Starts the portal of a build with the build's own data folder (<build>/portal, laid out by the
# rivakel_portal target): the games built there are installed in it, and an installed portal's
# folders are left alone. Arguments after the build folder go to the program.
set -euo pipefail
build="$(cd "${1:?usage: start-portal.sh <build folder> [arguments]}" && pwd)"
shift
export XDG_DATA_HOME="$build/portal" RIVAKEL_DEV_DIR="$build/portal/Rivakel"
exec "$build/Shell/Rivakel/rivakel" "$@"
