#!/usr/bin/env bash
# Installs the Debian packages of deps/debian.txt that are missing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
missing=()
while read -r pkg; do
  pkg=${pkg%%#*}; pkg=$(echo "$pkg" | xargs)
  [ -n "$pkg" ] || continue
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done < "$here/deps/debian.txt"
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
