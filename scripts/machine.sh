# What this machine runs, and so which Windows build (sourced, not run). Both builds
# always exist: the product, Velmora.exe for 32-bit Windows (i686), and the same code
# for 64-bit Windows (x86_64). Tests, benchmarks and the run command use the 32-bit
# build where this machine runs 32-bit programs, and the 64-bit one under the 64-bit
# Wine loader where it does not. VELMORA_WINDOWS_ARCH=i686 or x86_64 overrides the choice.

binfmt_folder=/proc/sys/fs/binfmt_misc
emulation_entry="$binfmt_folder/velmora-i386"
i386_emulator=/usr/bin/qemu-i386-static

# Whether this machine runs 32-bit x86 programs now: the kernel of some refuses them
# all ("Exec format error"). Tried with the smallest such program, which only exits.
runs_32bit_code() {
  local program result=0
  mkdir -p build
  program="$(mktemp build/exit32.XXXXXX)"
  # An i386 ELF header, one loadable segment, then: mov eax, 1; xor ebx, ebx; int 0x80.
  printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0\xb8\x01\0\0\0\x31\xdb\xcd\x80' >"$program"
  chmod +x "$program"
  "$program" 2>/dev/null || result=$?
  rm -f "$program"
  return "$result"
}

# Lets 32-bit x86 programs run under user-mode emulation (qemu) until
# stop_i386_emulation; false when that cannot be had (not root, no emulator, no
# binfmt_misc). Slow: a 32-bit Wine program takes about a minute to start.
start_i386_emulation() {
  [ "$(id -u)" -eq 0 ] && [ -x "$i386_emulator" ] || return 1
  [ -e "$binfmt_folder/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt_folder" 2>/dev/null || return 1
  [ -e "$emulation_entry" ] && return 0
  # The kernel's own escapes: i386 ELF executables, static or dynamic.
  echo ':velmora-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$i386_emulator"':F' \
    >"$binfmt_folder/register" 2>/dev/null
}

stop_i386_emulation() {
  if [ -e "$emulation_entry" ]; then echo -1 >"$emulation_entry"; fi
}

# Sets windows_arch (i686 or x86_64), windows_build (its build tree) and windows_why.
choose_windows_build() {
  case "${VELMORA_WINDOWS_ARCH:-}" in
    i686 | x86_64)
      windows_arch="$VELMORA_WINDOWS_ARCH"
      windows_why="VELMORA_WINDOWS_ARCH asks for it"
      ;;
    "")
      # Emulation left on by a run that was stopped would pass for the real thing.
      stop_i386_emulation
      if runs_32bit_code; then
        windows_arch=i686
        windows_why="this machine runs 32-bit programs"
      else
        windows_arch=x86_64
        windows_why="this machine runs no 32-bit programs (the kernel refuses them)"
      fi
      ;;
    *)
      echo "VELMORA_WINDOWS_ARCH is i686 or x86_64, not '$VELMORA_WINDOWS_ARCH'" >&2
      return 1
      ;;
  esac
  windows_build="build/$windows_arch"
}

# One line on which build runs and why.
say_windows_build() {
  local bits=32
  [ "$windows_arch" = x86_64 ] && bits=64
  echo "$1: the $bits-bit Windows build ($windows_build) runs: $windows_why" >&2
}
