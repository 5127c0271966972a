#!/usr/bin/env bash
# Throwaway MariaDB and PostgreSQL servers for the database tests, on loopback,
# with all their files in one folder that "stop" removes.
#
#   scripts/test-db-servers.sh start FOLDER [TEMPLATES]  # starts both; writes FOLDER/env (export lines)
#   scripts/test-db-servers.sh stop FOLDER               # stops what runs there and removes FOLDER
#
# Initialising a data folder takes many seconds, so it is done once into
# TEMPLATES (default FOLDER/templates) and copied for every start.
#
# Ports are picked at random among the free ones, and another one is tried
# when a server cannot listen, so several runs can go on at once. PostgreSQL
# refuses to run as root: as root it runs as the "postgres" user.
set -euo pipefail

action=${1:?start or stop}
folder=${2:?folder}
templates=${3:-$folder/templates}
user=qel
password=qel_test_pw

free_port() {
  local port
  while :; do
    port=$((20000 + RANDOM % 40000))
    # Nothing answers there: free (a race is caught by the retry of the start).
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
  done
}

as_postgres() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

wait_for() {  # seconds, command...
  local tries=$(($1 * 10)); shift
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

make_mariadb_template() {
  [ -d "$templates/mariadb" ] && return
  rm -rf "$templates/mariadb.new"
  mariadb-install-db --no-defaults --datadir="$templates/mariadb.new" --user="$(id -un)" \
    --auth-root-authentication-method=normal --skip-test-db --innodb-log-file-size=8M \
    >"$templates/mariadb-install.log" 2>&1
  mv "$templates/mariadb.new" "$templates/mariadb"
}

make_postgresql_template() {
  [ -d "$templates/postgresql" ] && return
  # Made by the server's user, who must own every file of it.
  rm -rf "$templates/postgresql.new"
  mkdir -p "$templates/postgresql.new"
  echo "$password" >"$templates/postgresql.new/password"
  [ "$(id -u)" -eq 0 ] && chown -R postgres "$templates/postgresql.new"
  as_postgres "$(postgresql_bin)/initdb" -D "$templates/postgresql.new/data" -U "$user" \
    --pwfile="$templates/postgresql.new/password" -E UTF8 --locale=C.UTF-8 --auth-local=trust \
    --auth-host=scram-sha-256 --no-sync >"$templates/postgresql-install.log" 2>&1
  mv "$templates/postgresql.new" "$templates/postgresql"
}

postgresql_bin() { ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1; }

# Whether the MariaDB server with process id $1 answers, or has ended.
answers_or_gone() {
  ! kill -0 "$1" 2>/dev/null || mariadb-admin --no-defaults -S "$folder/mariadb.sock" -u root ping
}

start_mariadb() {
  local data="$folder/mariadb" port server
  cp -a "$templates/mariadb" "$data"
  for _ in 1 2 3 4 5; do
    port=$(free_port)
    mariadbd --no-defaults --datadir="$data" --user="$(id -un)" --port="$port" --bind-address=127.0.0.1 \
      --socket="$folder/mariadb.sock" --pid-file="$folder/mariadb.pid" --skip-name-resolve --skip-log-bin \
      --character-set-server=utf8mb4 --collation-server=utf8mb4_unicode_ci \
      --innodb-buffer-pool-size=32M --innodb-log-file-size=8M --innodb-flush-log-at-trx-commit=0 --log-error="$folder/mariadb.log" \
      </dev/null >>"$folder/mariadb.log" 2>&1 &
    server=$!
    # A loaded machine may take a minute or more to start it; one that ended
    # at once (its port taken meanwhile) is not waited for.
    if wait_for 180 answers_or_gone "$server" && kill -0 "$server" 2>/dev/null; then
      mariadb --no-defaults -S "$folder/mariadb.sock" -u root -e \
        "CREATE USER '$user'@'%' IDENTIFIED BY '$password'; GRANT ALL ON *.* TO '$user'@'%' WITH GRANT OPTION;"
      echo "export QEL_TEST_MYSQL_HOST=127.0.0.1 QEL_TEST_MYSQL_PORT=$port QEL_TEST_MYSQL_USER=$user QEL_TEST_MYSQL_PASSWORD=$password" >>"$folder/env"
      return
    fi
    kill "$(cat "$folder/mariadb.pid" 2>/dev/null)" 2>/dev/null || true
  done
  echo "MariaDB did not start; see $folder/mariadb.log" >&2
  return 1
}

start_postgresql() {
  local bin root="$folder/postgresql" port
  bin=$(postgresql_bin)
  # Data, socket and log in one folder the server's user owns.
  cp -a "$templates/postgresql" "$root"
  for _ in 1 2 3 4 5; do
    port=$(free_port)
    if as_postgres "$bin/pg_ctl" -D "$root/data" -l "$root/server.log" -w -t 180 start \
      -o "-p $port -k $root -c listen_addresses=127.0.0.1 -c fsync=off -c full_page_writes=off" >/dev/null; then
      echo "export QEL_TEST_PG_HOST=127.0.0.1 QEL_TEST_PG_PORT=$port QEL_TEST_PG_USER=$user QEL_TEST_PG_PASSWORD=$password" >>"$folder/env"
      return
    fi
  done
  echo "PostgreSQL did not start; see $root/server.log" >&2
  return 1
}

case "$action" in
start)
  mkdir -p "$folder"
  # The postgres user must reach its files inside the folder.
  chmod 755 "$folder"
  : >"$folder/env"
  mkdir -p "$templates"
  # Runs going on at once make the templates one after the other; the servers
  # start outside the lock so that they do not hold it.
  (
    flock 9
    make_mariadb_template &
    make_postgresql_template
    wait $!
  ) 9>"$templates/.lock"
  start_mariadb &
  start_postgresql
  wait $!
  [ "$(grep -c QEL_TEST "$folder/env")" -eq 2 ]
  ;;
stop)
  [ -d "$folder" ] || exit 0
  if [ -f "$folder/mariadb.pid" ]; then
    pid=$(cat "$folder/mariadb.pid")
    kill "$pid" 2>/dev/null && wait_for 30 bash -c "! kill -0 $pid" || true
  fi
  if [ -f "$folder/postgresql/data/postmaster.pid" ]; then
    as_postgres "$(postgresql_bin)/pg_ctl" -D "$folder/postgresql/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$folder"
  ;;
*)
  echo "usage: $0 start|stop FOLDER" >&2
  exit 2
  ;;
esac
