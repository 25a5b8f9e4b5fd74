#!/usr/bin/env bash
# The package and the installs as a distribution and a user get them, checked with the tools a
# distribution uses:
#   check-installed.sh package BUILD WORK     builds the .deb into WORK, unpacks it in WORK/root
#   check-installed.sh contents WORK          stripped programs, manual pages, copyright, changelog
#   check-installed.sh package-units WORK     systemd accepts its units, tavrin-cli at /usr/bin
#   check-installed.sh lintian WORK           lintian has nothing to say of it
#   check-installed.sh prefix BUILD SOURCE    a --prefix, a per-user and a DESTDIR install
# Exits 77 (skipped) only when a tool it needs cannot run here.
set -u
mode=$1
fail=0
problem() {
    echo "FAIL: $*"
    fail=1
}
skip() {
    echo "SKIPPED: $*"
    exit 77
}
programs=(tavrin tavrin-cli tavrin-sim)
units=(tavrin-clock.service tavrin-clock.timer tavrin-sync.service tavrin-sync.timer
       tavrin-site-clock.service tavrin-site-clock.timer tavrin-site-sync.service tavrin-site-sync.timer)

# Every manual page is there, renders without a warning and has its NAME, FILES and SEE ALSO.
check_manual_pages() {
    local dir=$1 program page text warnings
    for program in "${programs[@]}"; do
        page=$dir/$program.1.gz
        [ -f "$page" ] || { problem "no manual page $page"; continue; }
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || problem "$page renders with warnings: $warnings"
        text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
        grep -q "^NAME" <<<"$text" || problem "$page has no NAME"
        grep -q "^       $program - " <<<"$text" || problem "$page does not name $program"
        grep -q "^SEE ALSO" <<<"$text" || problem "$page has no SEE ALSO"
        grep -q -- "--version" <<<"$text" || problem "$page does not tell --version"
        if [ "$program" != tavrin-sim ]; then
            grep -q "^FILES" <<<"$text" || problem "$page has no FILES"
            grep -q "journal.sqlite" <<<"$text" || problem "$page does not name the journal"
        fi
        grep -q "Template schedule: /" <<<"$text" && problem "$page names the build's template"
    done
}

check_copyright() {
    local file=$1
    [ -f "$file" ] || { problem "no copyright file $file"; return; }
    grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$file" \
        || problem "$file is not in the machine-readable format"
    grep -q "^License: GPL-3+" "$file" || problem "$file does not name GPL-3+"
    grep -q "/usr/share/common-licenses/GPL-3" "$file" || problem "$file does not tell where the licence is"
}

# systemd, as a user's manager, accepts the units (ExecStart must name an executable program).
verify_units() {
    local runtime
    runtime=$(mktemp -d)
    if ! XDG_RUNTIME_DIR=$runtime systemd-analyze --user verify --man=no "$@"; then
        problem "systemd-analyze verify refuses $*"
    fi
    rm -rf "$runtime"
}

# check_units DIR PROGRAM: all the units in DIR, each service running PROGRAM.
check_units() {
    local dir=$1 program=$2 unit
    for unit in "${units[@]}"; do
        [ -f "$dir/$unit" ] || problem "no unit $dir/$unit"
    done
    for unit in tavrin-clock.service tavrin-sync.service tavrin-site-clock.service tavrin-site-sync.service; do
        grep -q "^ExecStart=$program " "$dir/$unit" \
            || problem "$dir/$unit does not run $program: $(grep ExecStart "$dir/$unit")"
    done
}

stripped() {
    ! readelf -S "$1" | grep -q -E '\.(symtab|debug_info)'
}

case $mode in
package)
    build=$2 work=$3
    rm -rf "$work" && mkdir -p "$work"
    cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; exit 1; }
    deb=$(ls "$work"/tavrin_*.deb)
    dpkg-deb -x "$deb" "$work/root" || exit 1
    echo "$deb: $(stat -c %s "$deb") bytes, Installed-Size $(dpkg-deb -f "$deb" Installed-Size) KiB"
    dpkg-deb -f "$deb" Depends
    exit 0
    ;;
contents)
    root=$2/root
    deb=$(ls "$2"/tavrin_*.deb)
    for program in "${programs[@]}"; do
        [ -x "$root/usr/bin/$program" ] || { problem "no /usr/bin/$program"; continue; }
        stripped "$root/usr/bin/$program" || problem "/usr/bin/$program is not stripped"
    done
    [ "$(stat -c %s "$deb")" -lt $((8 * 1024 * 1024)) ] || problem "the package is over 8 MB"
    check_manual_pages "$root/usr/share/man/man1"
    check_copyright "$root/usr/share/doc/tavrin/copyright"
    version=$(dpkg-deb -f "$deb" Version)
    zcat "$root/usr/share/doc/tavrin/changelog.gz" | head -1 | grep -q "^tavrin ($version) " \
        || problem "changelog.gz does not start at version $version"
    [ -e "$root/usr/share/licenses" ] && problem "the package carries a second copy of the licence"
    check_units "$root/usr/lib/systemd/user" /usr/bin/tavrin-cli
    ;;
package-units)
    root=$2/root
    check_units "$root/usr/lib/systemd/user" /usr/bin/tavrin-cli
    [ "$fail" = 0 ] || exit 1
    command -v systemd-analyze >/dev/null || skip "systemd-analyze is not installed"
    # The units name /usr/bin/tavrin-cli: in a mount namespace of its own, the package's
    # programs are laid over this system's /usr/bin for systemd-analyze to find.
    namespace=(unshare -m)
    [ "$(id -u)" = 0 ] || namespace+=(--map-root-user)
    "${namespace[@]}" true 2>/dev/null || skip "no mount namespace here to put the package's programs at /usr/bin"
    export -f verify_units problem
    "${namespace[@]}" bash -c '
        mount -t overlay overlay -o "lowerdir=$1/usr/bin:/usr/bin" /usr/bin 2>/dev/null || exit 77
        fail=0
        verify_units "$1"/usr/lib/systemd/user/*
        exit $fail' _ "$root"
    case $? in
    0) ;;
    77) skip "the package's programs cannot be laid over /usr/bin here" ;;
    *) fail=1 ;;
    esac
    ;;
lintian)
    command -v lintian >/dev/null || skip "lintian is not installed"
    deb=$(ls "$2"/tavrin_*.deb)
    # (its complaint about running as root goes to stderr, with any failure of its own)
    said=$(lintian --fail-on none "$deb" 2>"$2/lintian.err") || problem "lintian failed: $(cat "$2/lintian.err")"
    [ -z "$said" ] || problem "lintian: $said"
    ;;
prefix)
    build=$2 source=$3
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # a system-wide prefix: units in lib/systemd/user, running the prefix's tavrin-cli
    cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
    check_units "$work/prefix/lib/systemd/user" "$work/prefix/bin/tavrin-cli"
    check_manual_pages "$work/prefix/share/man/man1"
    check_copyright "$work/prefix/share/doc/tavrin/copyright"
    cmp -s "$source/LICENSE" "$work/prefix/share/licenses/tavrin/LICENSE" || problem "the licence is not installed"
    # a per-user install: the units where the user's systemd looks, ~/.local/share/systemd/user
    mkdir -p "$work/home"
    HOME=$work/home cmake --install "$build" --prefix "$work/home/.local" >"$work/install.log" 2>&1 \
        || { cat "$work/install.log"; exit 1; }
    check_units "$work/home/.local/share/systemd/user" "$work/home/.local/bin/tavrin-cli"
    [ -e "$work/home/.local/lib/systemd" ] && problem "a per-user install left units in ~/.local/lib/systemd"
    # staged with DESTDIR: the units name the prefix, not the staging folder
    DESTDIR=$work/stage cmake --install "$build" --prefix /opt/tavrin >"$work/install.log" 2>&1 \
        || { cat "$work/install.log"; exit 1; }
    check_units "$work/stage/opt/tavrin/lib/systemd/user" /opt/tavrin/bin/tavrin-cli
    [ "$fail" = 0 ] || exit 1
    command -v systemd-analyze >/dev/null || skip "systemd-analyze is not installed: the units were not verified"
    verify_units "$work/prefix/lib/systemd/user"/*
    verify_units "$work/home/.local/share/systemd/user"/*
    ;;
*)
    echo "unknown mode $mode"
    exit 2
    ;;
esac
exit $fail
