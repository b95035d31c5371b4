# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Sourced, not run; expects $ROOT to be the checkout.

PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-dejavu-core
          libgtest-dev libgmock-dev libbenchmark-dev)

install_missing_packages() {
  local missing=()
  for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local build_dir="$ROOT/build"
  local werror=OFF
  [ -n "${CI:-}" ] && werror=ON
  cmake -S "$ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTORVALE_WERROR=$werror >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)"
}
