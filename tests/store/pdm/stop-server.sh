#!/usr/bin/env bash
# Stops the server of start-server.sh and removes its folder.
#   stop-server.sh STATE_DIR
set -uo pipefail

state=$1
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
if [[ -f "$state/data/postmaster.pid" ]]; then
    if [[ $(id -u) -eq 0 ]]; then
        runuser -u postgres -- "$bin/pg_ctl" -D "$state/data" -m fast stop >/dev/null
    else
        "$bin/pg_ctl" -D "$state/data" -m fast stop >/dev/null
    fi
fi
rm -rf "$state"
