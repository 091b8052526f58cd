#!/usr/bin/env bash
# Installs what the build and the tests need; quiet when all is there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make pkg-config gsoap libgsoap-dev libssl-dev zlib1g-dev libboost-dev
          libjsoncpp-dev libpugixml-dev liburiparser-dev libxml2-utils python3-lxml libgtest-dev libgmock-dev libbenchmark-dev
          clang-14 libclang-rt-14-dev valgrind)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The test server runs on the Node.js of the machine (20.19 or newer).
if ! command -v node >/dev/null; then
  echo "setup: Node.js 20.19 or newer is required (package nodejs 20.x with npm)" >&2
  exit 1
fi
node -e 'const [a,b]=process.versions.node.split(".").map(Number); process.exit(a>20||(a==20&&b>=19)?0:1)' || {
  echo "setup: Node.js $(node --version) is too old; 20.19 or newer is required" >&2
  exit 1
}
if [ -f tests/peer/package-lock.json ]; then
  lock_hash=$(sha256sum tests/peer/package-lock.json | cut -d' ' -f1)
  if [ ! -f tests/peer/node_modules/.kv-lock ] || [ "$(cat tests/peer/node_modules/.kv-lock)" != "$lock_hash" ]; then
    (cd tests/peer && npm ci --silent --no-audit --no-fund >/dev/null)
    echo "$lock_hash" > tests/peer/node_modules/.kv-lock
  fi
fi
