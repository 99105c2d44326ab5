#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it from its program folder (build/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build --target quorvex program_folder
exec ./build/quorvex
