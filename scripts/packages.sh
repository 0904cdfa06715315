# Sourced by the quick-start scripts: makes sure Debian packages are there.
# As root it installs what is missing; otherwise it stops and prints the
# command that does.

require_packages() {
  local missing=() package
  for package in "$@"; do
    if [ "$package" = python3 ] && command -v python3 >/dev/null; then
      continue
    fi
    dpkg-query -W -f='${db:Status-Status}\n' "$package" 2>/dev/null | grep -qx installed ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local command="apt-get update && apt-get install -y ${missing[*]}"
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    command="dpkg --add-architecture i386 && $command"
  fi
  if [ "$(id -u)" != 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root with: $command" >&2
    exit 1
  fi
  echo "== Installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive sh -c "$command" >"${TMPDIR:-/tmp}/qorxpinst-apt.log" 2>&1 || {
    echo "Installing failed; see ${TMPDIR:-/tmp}/qorxpinst-apt.log" >&2
    exit 1
  }
}
