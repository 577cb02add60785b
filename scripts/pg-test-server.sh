#!/usr/bin/env bash
# A throwaway PostgreSQL cluster on 127.0.0.1 for the data-layer tests.
#   pg-test-server.sh start STATE_DIR   initdb + start on a free port; writes STATE_DIR/url
#   pg-test-server.sh stop STATE_DIR    stops the server and removes the cluster
# PostgreSQL refuses to run as root, so as root the cluster belongs to the postgres user.
set -euo pipefail

cmd=${1:?usage: pg-test-server.sh start|stop STATE_DIR}
state=${2:?usage: pg-test-server.sh start|stop STATE_DIR}
mkdir -p "$state"
state=$(cd "$state" && pwd)

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bindir/pg_ctl" ] || { echo "PostgreSQL server binaries not found (install the postgresql package)" >&2; exit 1; }

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

stop_server() {
  if [ -f "$state/datadir" ]; then
    local root
    root=$(cat "$state/datadir")
    if [ -d "$root" ]; then
      as_owner "$bindir/pg_ctl" -D "$root/db" -m immediate -w stop >/dev/null 2>&1 || true
      rm -rf "$root"
    fi
  fi
  rm -f "$state/datadir" "$state/url"
}

free_port() {
  local port
  for _ in $(seq 1 200); do
    port=$((20000 + RANDOM % 30000))
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
      echo "$port"
      return 0
    fi
  done
  return 1
}

case "$cmd" in
  start)
    stop_server
    data=$(mktemp -d /tmp/lumora-pgtest.XXXXXX)
    [ "$(id -u)" -eq 0 ] && chown postgres: "$data"
    echo "$data" > "$state/datadir"
    as_owner "$bindir/initdb" -D "$data/db" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$state/initdb.log" 2>&1 \
      || { cat "$state/initdb.log" >&2; exit 1; }
    port=$(free_port)
    as_owner "$bindir/pg_ctl" -D "$data/db" -l "$data/server.log" -w -t 60 \
      -o "-h 127.0.0.1 -p $port -k $data -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=100" \
      start >/dev/null || { cat "$data/server.log" >&2; exit 1; }
    echo "postgresql://postgres@127.0.0.1:$port/postgres" > "$state/url"
    echo "PostgreSQL test server on 127.0.0.1:$port"
    ;;
  stop)
    stop_server
    ;;
  *)
    echo "usage: pg-test-server.sh start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
