#!/bin/bash
# Checks the README's two set-up commands the way a new user meets them: on a fresh Debian 12
# (bookworm) minbase root made with debootstrap, as root, without a display. `./run.sh` must
# build the editor and write a PNG screenshot; the Debian package made from that build must
# install with apt-get, print its version and draw a level with --render; `./test.sh` must pass.
# Run it whenever the dependencies change (tools/install-deps.sh, the packages CMake looks for,
# run.sh, test.sh).
#
# Usage (as root): tools/check-fresh-debian.sh [--run-only] [--keep] [WORK_DIR]
#   --run-only  checks ./run.sh and the package only
#   --keep      keeps the root even when every check passes (it is always kept on failure)
#   WORK_DIR    new or empty folder for the root and the logs
#               (default: a new /var/tmp/trelkan-fresh-debian.XXXXXX)
# TRELKAN_FUZZ_SECONDS, when set, is passed on to ./test.sh to shorten its fuzzing run.
# The package mirrors are this machine's own: the first enabled "deb" source in its APT sources
# that offers bookworm, and the one that offers bookworm-security. MIRROR and SECURITY_MIRROR,
# when set, are used instead.
set -euo pipefail

# Prints the URI of the first enabled "deb" source offering SUITE, from the one-line files
# (sources.list, sources.list.d/*.list) and the deb822 files (sources.list.d/*.sources).
apt_mirror_for() {  # SUITE
  local files=() file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && files+=("$file")
  done
  [ ${#files[@]} -gt 0 ] || return 0
  awk -v suite="$1" '
    function has(list, word,   n, i, words) {
      n = split(list, words, /[ \t]+/)
      for (i = 1; i <= n; i++) if (words[i] == word) return 1
      return 0
    }
    function offer(type, uri, suites) {
      if (!found && has(type, "deb") && has(suites, suite)) { print uri; found = 1 }
    }
    function end_stanza(   uri) {
      split(uris, uri, /[ \t]+/)
      if (enabled != "no") offer(types, uri[1], suites)
      types = uris = suites = ""; enabled = ""
    }
    FNR == 1 { if (deb822) end_stanza(); deb822 = FILENAME ~ /\.sources$/ }
    deb822 && /^[ \t]*#/ { next }
    deb822 && /^[ \t]*$/ { end_stanza(); next }
    deb822 && match($0, /^[A-Za-z-]+:/) {
      key = tolower(substr($0, 1, RLENGTH - 1)); value = substr($0, RLENGTH + 1)
      gsub(/^[ \t]+|[ \t]+$/, "", value)
      if (key == "types") types = value
      else if (key == "uris") uris = value
      else if (key == "suites") suites = value
      else if (key == "enabled") enabled = tolower(value)
      next
    }
    !deb822 {
      sub(/#.*/, ""); gsub(/\[[^]]*\]/, "")
      if ($1 == "deb") offer($1, $2, $3)
    }
    END { if (deb822) end_stanza() }
  ' "${files[@]}"
}

MIRROR=${MIRROR:-$(apt_mirror_for bookworm)}
SECURITY_MIRROR=${SECURITY_MIRROR:-$(apt_mirror_for bookworm-security)}
[ -n "$MIRROR" ] && [ -n "$SECURITY_MIRROR" ] || {
  echo "No APT source of this machine offers bookworm and bookworm-security; set MIRROR and SECURITY_MIRROR." >&2
  exit 2
}
RUN_ONLY=0
KEEP=0
WORK=""
for arg in "$@"; do
  case $arg in
    --run-only) RUN_ONLY=1 ;;
    --keep) KEEP=1 ;;
    -*) sed -n '9,15s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
    *) WORK=$arg ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "Run as root (debootstrap, mount and chroot need it)." >&2; exit 2; }

REPO=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
COMMIT=$(git -C "$REPO" rev-parse HEAD)
if [ -z "$WORK" ]; then
  WORK=$(mktemp -d /var/tmp/trelkan-fresh-debian.XXXXXX)
else
  WORK=$(realpath -m "$WORK")
  case $WORK/ in "$REPO"/*) echo "The work folder must be outside the repository." >&2; exit 2 ;; esac
  mkdir -p "$WORK"
  [ -z "$(ls -A "$WORK")" ] || { echo "$WORK is not empty; give a new folder." >&2; exit 2; }
fi
ROOT=$WORK/root
MOUNTS="proc sys dev dev/pts"

unmount_all() {
  # Anything still running in the root (a stray Xvfb) would keep its mounts busy.
  local proc
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/root" 2>/dev/null)" = "$ROOT" ] && kill "${proc#/proc/}" 2>/dev/null
  done
  local m
  for m in dev/pts dev sys proc; do
    if mountpoint -q "$ROOT/$m"; then
      umount "$ROOT/$m" 2>/dev/null || umount -l "$ROOT/$m"
    fi
  done
}

finish() {
  local status=$?
  set +e
  unmount_all
  if grep -q " $ROOT/" /proc/mounts; then
    echo "Some mounts below $ROOT are still there; the root is left in place." >&2
  elif [ "$status" -eq 0 ] && [ "$KEEP" -eq 0 ]; then
    rm -rf --one-file-system "$ROOT"
  else
    echo "The root is kept in $ROOT (chroot into it to look around)."
  fi
  echo "Logs are in $WORK"
  exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

seconds_since() { echo $(( $(date +%s) - $1 ))s; }

echo "== Making a fresh bookworm minbase root in $ROOT"
command -v debootstrap >/dev/null || { apt-get update -q && apt-get install -y -q debootstrap; }
start=$(date +%s)
debootstrap --variant=minbase bookworm "$ROOT" "$MIRROR" >"$WORK/debootstrap.log" 2>&1 \
  || { tail -n 20 "$WORK/debootstrap.log" >&2; echo "debootstrap failed" >&2; exit 1; }
rm -f "$ROOT/etc/apt/sources.list"
cat >"$ROOT/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $MIRROR
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $SECURITY_MIRROR
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
# No services start inside the root.
printf '#!/bin/sh\nexit 101\n' >"$ROOT/usr/sbin/policy-rc.d"
chmod +x "$ROOT/usr/sbin/policy-rc.d"
echo "Root made in $(seconds_since "$start")"

echo "== Copying commit $COMMIT to /root/trelkan"
git clone -q --no-checkout --no-hardlinks "$REPO" "$ROOT/root/trelkan"
git -C "$ROOT/root/trelkan" checkout -q --detach "$COMMIT"

for m in $MOUNTS; do
  case $m in
    proc) mount -t proc proc "$ROOT/proc" ;;
    sys) mount -t sysfs sysfs "$ROOT/sys" ;;
    *) mount --bind "/$m" "$ROOT/$m" ;;
  esac
done

# Runs a command line in the repository copy as root with a clean environment and no DISPLAY.
in_root() {
  chroot "$ROOT" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${TRELKAN_FUZZ_SECONDS:+TRELKAN_FUZZ_SECONDS=$TRELKAN_FUZZ_SECONDS} \
    sh -c "cd /root/trelkan && $1" </dev/null
}

# Prints WIDTHxHEIGHT of a PNG file; fails when the file is missing, empty or no PNG.
png_size() {
  [ -s "$1" ] || return 1
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", ((($1*256)+$2)*256+$3)*256+$4, ((($5*256)+$6)*256+$7)*256+$8 }'
}

# Runs a command line in the root with its output also in WORK/LOG. It runs in the background
# so that a signal reaches the trap at once instead of after the command.
run_logged() {  # LOG COMMAND
  ( in_root "$2" 2>&1 | tee "$WORK/$1" ) &
  wait $!
}

SUMMARY=""
FAILED=0
report() {  # NAME RESULT START DETAIL
  SUMMARY="$SUMMARY$(printf '%-10s %-5s %7s  %s' "$1" "$2" "$(seconds_since "$3")" "$4")"$'\n'
  [ "$2" = PASS ] || FAILED=1
}

echo "== ./run.sh (no display; log: $WORK/run.log)"
start=$(date +%s)
SHOT=$ROOT/root/trelkan/build/trelkan-screenshot.png
if ! run_logged run.log ./run.sh; then
  report ./run.sh FAIL "$start" "exited non-zero, see run.log"
elif size=$(png_size "$SHOT"); then
  cp "$SHOT" "$WORK/"
  report ./run.sh PASS "$start" "screenshot $size, copied to $WORK/trelkan-screenshot.png"
else
  report ./run.sh FAIL "$start" "no non-empty PNG at build/trelkan-screenshot.png"
fi

echo "== Debian package from the release build, installed with apt-get (log: $WORK/package.log)"
start=$(date +%s)
PICTURE=$ROOT/tmp/trelkan-render.png
if ! run_logged package.log "cd build/release && cpack -G DEB && apt-get install -y -q ./trelkan_*_amd64.deb \
       && cd /tmp && trelkan --version && trelkan --render /usr/share/trelkan/data/Levels/sample.xml trelkan-render.png"; then
  report package FAIL "$start" "see package.log"
elif size=$(png_size "$PICTURE"); then
  cp "$PICTURE" "$WORK/"
  report package PASS "$start" "installed; --render drew $size, copied to $WORK/trelkan-render.png"
else
  report package FAIL "$start" "no non-empty PNG at /tmp/trelkan-render.png"
fi

if [ "$RUN_ONLY" -eq 0 ]; then
  echo "== ./test.sh (log: $WORK/test.log)"
  start=$(date +%s)
  if run_logged test.log ./test.sh; then
    report ./test.sh PASS "$start" "log: test.log"
  else
    report ./test.sh FAIL "$start" "see test.log"
  fi
fi

echo "== Fresh Debian 12 check of $COMMIT"
printf '%s' "$SUMMARY"
exit "$FAILED"
