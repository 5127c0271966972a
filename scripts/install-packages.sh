#!/usr/bin/env bash
# Installs the Debian packages the program (and, with "test", its tests) needs.
# Only what is missing is installed; without root it just says what is missing.
set -euo pipefail

runtime=(cmake g++ make pkg-config
  libwxgtk3.2-dev libwxgtk-webview3.2-dev libgtk-3-dev libwebkit2gtk-4.0-dev librsvg2-common libpcre2-dev libsqlite3-dev
  unixodbc-dev odbc-postgresql odbc-mariadb tdsodbc odbc-mdbtools mdbtools-dev
  fonts-wqy-zenhei)
testing=(libgtest-dev libbenchmark-dev clang-format xvfb xauth x11-utils imagemagick
  mariadb-server postgresql)

wanted=("${runtime[@]}")
[ "${1:-}" = test ] && wanted+=("${testing[@]}")

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing Debian packages (install them as root): ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
