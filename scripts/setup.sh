#!/usr/bin/env bash
# Installs what building and testing Quarrow Hovrel needs on a Debian machine
# and is not there yet: the MinGW-w64 cross compilers, 32-bit Wine, Xvfb,
# GoogleTest and the analysers, and QEMU where the kernel cannot run 32-bit
# programs itself. Run as root; does nothing when all is present.
set -euo pipefail

packages=(
  cmake g++ make googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 wine64 fonts-wine xvfb x11-utils imagemagick
  clang-tidy cppcheck
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
export DEBIAN_FRONTEND=noninteractive

# A mirror in mid-sync serves an index whose size does not match its release
# file, and apt-get update then fails for that index alone. A few tries
# usually outlast the sync; after them, what was read is enough to go on.
update_indexes() {
  local try
  for try in 1 2 3; do
    apt-get update -qq && return 0
    echo "setup: apt-get update failed (try $try of 3)" >&2
    [ "$try" = 3 ] || sleep $((try * 10))
  done
  echo "setup: some package indexes could not be read; going on with the others" >&2
}

# With the security suite's amd64 libraries read but its i386 index missing,
# a multi-arch package has two versions to choose from and wine32:i386 cannot
# be installed. Taking the release's own suite as the target keeps every
# architecture on one version.
install_missing() {
  apt-get install -y -qq --no-install-recommends "$@" >/dev/null && return 0
  . /etc/os-release
  echo "setup: installing again from $VERSION_CODENAME itself" >&2
  apt-get install -y -qq --no-install-recommends -t "$VERSION_CODENAME" "$@" >/dev/null && return 0
  echo "setup: could not install $*: apt-get failed both from the updated suites and from $VERSION_CODENAME alone (see its messages above)" >&2
  return 1
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  update_indexes
  install_missing "${missing[@]}"
fi

# 32-bit Wine is a 32-bit Linux program. A kernel booted without IA-32
# emulation refuses it ("Exec format error"); QEMU's user-mode emulator,
# registered for 32-bit x86 programs, runs it instead. QEMU before 8 ignores
# MAP_FIXED_NOREPLACE, and Wine then needs a minute to map its address space
# at every start, so bookworm takes QEMU from its backports.
emulate_32bit() {
  local binfmt=/proc/sys/fs/binfmt_misc
  if ! command -v qemu-i386 >/dev/null || dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qemu-user-static)" lt 1:8; then
    echo "setup: this kernel runs no 32-bit programs; installing QEMU to run 32-bit Wine"
    . /etc/os-release
    suite=()
    if [ "$VERSION_CODENAME" = bookworm ]; then
      echo "deb http://deb.debian.org/debian bookworm-backports main" >/etc/apt/sources.list.d/bookworm-backports.list
      suite=(-t bookworm-backports)
    fi
    update_indexes
    apt-get install -y -qq --no-install-recommends "${suite[@]}" qemu-user-static >/dev/null || return
  fi
  mountpoint -q "$binfmt" || mount -t binfmt_misc binfmt_misc "$binfmt"
  [ ! -e "$binfmt/qemu-i386" ] || echo -1 >"$binfmt/qemu-i386"
  # 32-bit x86 ELF executables; F opens the emulator now, so that it also
  # serves programs started inside other mount namespaces.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F' >"$binfmt/register"
}
/usr/lib/wine/wine --version >/dev/null 2>&1 ||
  emulate_32bit || echo "setup: could not set up QEMU for 32-bit programs; Wine cannot run here" >&2
