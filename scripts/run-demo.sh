#!/usr/bin/env bash
# Installs what is missing, builds the morva tool and shows what it makes, in a temporary
# folder that is removed afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target morva
exec examples/demo.sh build/bin/morva
