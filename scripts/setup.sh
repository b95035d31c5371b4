# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run; expects $ROOT to be the checkout.

# The Debian 12 packages the project builds, tests and fuzzes with.
PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-dejavu-core
          libgtest-dev libgmock-dev libbenchmark-dev clang-14 libclang-rt-14-dev)

install_missing_packages() {
  local missing=()
  for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Not root and no sudo: please install ${missing[*]} as root." >&2
      return 1
    fi
    sudo=(sudo)
  fi
  # A fresh machine has no package lists yet.
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local build_dir="$ROOT/build"
  local werror=OFF
  [ -n "${CI:-}" ] && werror=ON  # CI builds treat warnings as errors
  cmake -S "$ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTORVALE_GUI=ON -DTORVALE_WERROR=$werror >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)"
}
