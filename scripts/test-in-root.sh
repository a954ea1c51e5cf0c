#!/usr/bin/env bash
# Runs the test command (scripts/test.sh) in a clean root of a supported Debian release, so that
# either release can be checked from a machine running the other.
# Usage (as root): scripts/test-in-root.sh bookworm|trixie
#
# The release's minimal root, made once with debootstrap, and the packages that apt downloads
# into it are kept under VELLUM_ROOT_CACHE (default /var/cache/vellumark9); every run starts
# from a fresh copy of that root, with this work tree copied into /src.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

release=${1:-}
case $release in
bookworm | trixie) ;;
*)
    echo "Usage: $0 bookworm|trixie" >&2
    exit 2
    ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0: chroot needs root; run it with sudo." >&2; exit 1; }
vellum_need "to make a clean Debian root" debootstrap tar git

cache=${VELLUM_ROOT_CACHE:-/var/cache/vellumark9}
base=$cache/$release-minbase.tar
downloads=$cache/apt-archives/$release
mkdir -p "$downloads/partial"

# A week-old root is made again, so that a run starts from the release as it is now.
if [ -z "$(find "$base" -mtime -7 2>/dev/null)" ]; then
    echo "==> Making a minimal Debian $release root with debootstrap (about a minute)"
    made=$(mktemp -d "$cache/$release.XXXXXX")
    debootstrap --variant=minbase "$release" "$made" http://deb.debian.org/debian \
        >"$made.log" 2>&1 || { tail -n 20 "$made.log"; exit 1; }
    tar -C "$made" -cf "$base.new" . && mv "$base.new" "$base"
    rm -rf --one-file-system "$made" "$made.log"
fi

root=$(mktemp -d /var/tmp/vellumark9-"$release".XXXXXX)
# Unmounts before removing, and removes nothing if a mount is left: the root holds bind mounts
# of /dev and of the download cache.
end_root() {
    # What the tests left running there (a speech server waiting for its next client, say)
    # would keep /dev busy.
    local process
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" != "$root" ] || kill "${process#/proc/}" 2>/dev/null || true
    done
    sleep 1
    umount -R "$root/dev" "$root/sys" "$root/proc" "$root/var/cache/apt/archives" 2>/dev/null || true
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        echo "==> $root still has mounts; left in place" >&2
    else
        rm -rf --one-file-system "$root"
    fi
}
trap end_root EXIT

echo "==> Unpacking a clean Debian $release root in $root"
tar -C "$root" -xf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The certificate authorities this machine trusts, so that npm reaches its registry from the root
# wherever it does from here (through a proxy of the network's own, say).
cp /etc/ssl/certs/ca-certificates.crt "$root/etc/vellum-machine-ca.crt"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount --bind "$downloads" "$root/var/cache/apt/archives"

echo "==> Copying this work tree into the root's /src"
mkdir "$root/src"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -C "$root/src" -xf -

echo "==> Running scripts/test.sh on Debian $(cat "$root/etc/debian_version")"
chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
    NODE_EXTRA_CA_CERTS=/etc/vellum-machine-ca.crt /bin/bash -c 'cd /src && ./scripts/test.sh'
