#!/usr/bin/env bash
# Starts the portal of a build with the build's own data folder (<build>/portal, laid out by the
# rivakel_portal target): the games built there are installed in it, and an installed portal's
# folders are left alone. A data folder without a user store gets the one the build seeds, so that
# the portal keeps what is played in it however the folder was emptied. Arguments after the build
# folder go to the program.
set -euo pipefail
build="$(cd "${1:?usage: start-portal.sh <build folder> [arguments]}" && pwd)"
shift
store="$build/portal/Rivakel/System/Core.rdt"
if [ ! -e "$store" ]; then
  # The store holds names and addresses: its folders and file are the user's alone.
  (umask 077 && mkdir -p "$(dirname "$store")" &&
    cmake -DSTORE="$store" -P "$(cd "$(dirname "$0")/.." && pwd)/cmake/SeedStore.cmake")
fi
export XDG_DATA_HOME="$build/portal" RIVAKEL_DEV_DIR="$build/portal/Rivakel"
exec "$build/Shell/Rivakel/rivakel" "$@"
