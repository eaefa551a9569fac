#!/usr/bin/env bash
# Starts a throw-away PostgreSQL server for the product-data tests.
#   start-server.sh STATE_DIR SCHEMA_SQL PSQLODBC_DRIVER
# The server listens on 127.0.0.1 on a free port. STATE_DIR receives the data folder, the log,
# the socket, an odbcinst.ini that names psqlODBC "SQL Server", and server.env with the lines
# PGPORT=<port> and ODBCSYSINI=<folder of odbcinst.ini> for the tests to read.
set -euo pipefail

state=$1
schema=$2
driver=$3

bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
[[ -x "$bin/initdb" ]] || { echo "start-server: no PostgreSQL server found" >&2; exit 1; }

# PostgreSQL refuses to run as root: as root, the server runs as the user postgres.
as_server() {
    if [[ $(id -u) -eq 0 ]]; then runuser -u postgres -- "$@"; else "$@"; fi
}

# A server left behind by an interrupted run is stopped first.
if [[ -f "$state/data/postmaster.pid" ]]; then
    as_server "$bin/pg_ctl" -D "$state/data" -m immediate stop >/dev/null 2>&1 || true
fi
rm -rf "$state"
mkdir -p "$state/odbc"
[[ $(id -u) -eq 0 ]] && chown postgres "$state"

echo "admin-$RANDOM$RANDOM" >"$state/pw"
[[ $(id -u) -eq 0 ]] && chown postgres "$state/pw"
as_server "$bin/initdb" -D "$state/data" -U postgres --pwfile="$state/pw" -E UTF8 \
    --locale=C.UTF-8 --auth-local=trust --auth-host=scram-sha-256 >"$state/initdb.log"

# A port that is taken makes the start fail at once: try another.
started=0
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    port=$((20000 + RANDOM % 40000))
    if as_server "$bin/pg_ctl" -D "$state/data" -l "$state/server.log" -w -t 30 \
        -o "-p $port -k $state -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null; then
        started=1
        break
    fi
done
[[ $started -eq 1 ]] || { cat "$state/server.log" >&2; exit 1; }

as_server "$bin/psql" -h "$state" -p "$port" -U postgres -d postgres -q -v ON_ERROR_STOP=1 \
    <"$schema" >"$state/schema.log"

cat >"$state/odbc/odbcinst.ini" <<INI
[SQL Server]
Description=psqlODBC standing in for SQL Server in the tests
Driver=$driver
INI
: >"$state/odbc/odbc.ini"
printf 'PGPORT=%s\nODBCSYSINI=%s\n' "$port" "$state/odbc" >"$state/server.env"
echo "PostgreSQL for the product-data tests listens on 127.0.0.1:$port"
