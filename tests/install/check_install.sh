#!/bin/sh
# check_install.sh BUILD_DIR STAGING_DIR
# Installs BUILD_DIR with `cmake --install` under DESTDIR for two prefixes
# (/usr, whose hive goes to /etc, and one under /opt, whose hive goes to
# <prefix>/etc) and checks what arrived.
set -u
build=$1
staging=$2
shipped_defaults="$(cd "$(dirname "$0")/../.." && pwd)/defaults"
rm -rf "$staging"
mkdir -p "$staging"

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
    what=$1
    shift
    if "$@" >"$staging/last.log" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
        sed 's/^/    /' "$staging/last.log"
    fi
}

# Every relative link of an HTML page leads to an installed file, and its
# fragment, if any, to an id in that file.
links_resolve() {  # links_resolve PAGE
    page=$1
    dir=$(dirname "$page")
    status=0
    for href in $(xmllint --xpath '//*[local-name()="a" or local-name()="link"]/@href' "$page" |
                  sed 's/ *href="\([^"]*\)"/\1\n/g'); do
        case $href in http:* | https:* | mailto:*) continue ;; esac
        file=${href%%#*}
        frag=
        case $href in *#*) frag=${href#*#} ;; esac
        target=$page
        [ -n "$file" ] && target="$dir/$file"
        if [ ! -f "$target" ]; then
            echo "$page: $href leads nowhere"
            status=1
        elif [ -n "$frag" ] && ! grep -q "id=\"$frag\"" "$target"; then
            echo "$page: $href: no id \"$frag\""
            status=1
        fi
    done
    return $status
}

# The pictures every installed scene.xml names are installed beside it.
scene_pictures_present() {  # scene_pictures_present DATA_DIR
    status=0
    for scene in "$1"/*/scene.xml; do
        for attr in Back Sun; do
            pic=$(xmllint --xpath "string(/*/$attr[1]/@file)" "$scene")
            if [ -n "$pic" ] && [ ! -f "$(dirname "$scene")/$pic" ]; then
                echo "$scene names $pic, which is not installed"
                status=1
            fi
        done
    done
    return $status
}

# The settings and the scene list the saver writes are installed as the
# sources ship them, never as a run from the build folder left them, and no
# temporary file of a save comes along.
only_shipped_state_files() {  # only_shipped_state_files DATA_DIR
    status=0
    for f in options.xml defaultScenario.xml; do
        cmp "$shipped_defaults/$f" "$1/$f" || status=1
    done
    if find "$1" -name '*.tmp*' | grep .; then status=1; fi
    return $status
}

# The installed program's first start finds its data, settings and scene
# list without a single message box (checked in the password mode, which
# needs no display but reads the settings as every mode does).
first_start_quiet() {  # first_start_quiet PREFIX_DIR
    printf '[Software\\Quillbrook\\Flurrydale]\nDir=%s\n' "$1/share/flurrydale" >"$staging/hive.ini"
    FLURRYDALE_HKLM="$staging/hive.ini" FLURRYDALE_HKCU="$staging/none.ini" FLURRYDALE_MESSAGEBOX=stderr \
        XDG_DATA_HOME="$staging/xdg" DISPLAY= "$1/bin/flurrydale" /a 2>"$staging/first.err" || return 1
    ! grep . "$staging/first.err"
}

has_scene() { ls "$1"/*/scene.xml >/dev/null 2>&1; }

# The scene scan skips folders that their owner may not write to (they read
# as read-only), so every installed folder must keep the owner's write bit.
folders_listable() {  # folders_listable DATA_DIR
    ! find "$1" -type d ! -perm -u+w | grep .
}

link_leads_to() {  # link_leads_to LINK TARGET
    [ -L "$1" ] && [ "$(readlink -f "$1")" = "$(readlink -f "$2")" ]
}

hive_names() {  # hive_names HIVE DIR
    grep -qx '\[Software\\Quillbrook\\Flurrydale\]' "$1" && grep -qx "Dir=$2" "$1"
}

desktop_entry_ok() {
    grep -qx 'Exec=flurrydale /c' "$1" || return 1
    if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$1"; fi
}

man_page_clean() {
    [ -s "$1" ] || return 1
    command -v groff >/dev/null || return 0
    out=$(groff -t -man -ww -z -Tutf8 "$1" 2>&1)
    [ -z "$out" ] || { echo "$out"; return 1; }
}

hack_offers() {  # hack_offers CONFIG ARG...: each ARG is offered by some option
    config=$1
    shift
    for a in "$@"; do
        n=$(xmllint --xpath "count(//*[starts-with(@arg,'$a') or @arg-set='$a' or @arg-unset='$a'])" "$config")
        [ "$n" -ge 1 ] || { echo "no option passes $a"; return 1; }
    done
}

# Every installed file is in the manifest, and every manifest entry exists,
# so an uninstall from the manifest leaves nothing behind.
manifest_complete() {  # manifest_complete ROOT
    (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\.||' | sort) >"$staging/found.txt"
    sed "s|^$1||" "$build/install_manifest.txt" | sort >"$staging/manifest.txt"
    diff "$staging/found.txt" "$staging/manifest.txt"
}

for prefix in /usr /opt/flurrydale-check; do
    root="$staging/root$(echo "$prefix" | tr / _)"
    if [ "$prefix" = /usr ]; then sysconf=/etc; else sysconf=$prefix/etc; fi
    p="$root$prefix"
    install_once() { DESTDIR="$root" "${CMAKE:-cmake}" --install "$build" --prefix "$prefix"; }
    check "$prefix: cmake --install succeeds" install_once
    # A second installation over the first replaces what is there.
    check "$prefix: installing again over it succeeds" install_once

    check "$prefix: program" test -x "$p/bin/flurrydale" -a -f "$p/bin/flurrydale"
    check "$prefix: data holds a scene" has_scene "$p/share/flurrydale/data"
    check "$prefix: scene folders are not read-only" folders_listable "$p/share/flurrydale/data"
    check "$prefix: every scene's pictures" scene_pictures_present "$p/share/flurrydale/data"
    check "$prefix: the shipped settings and scene list" only_shipped_state_files \
        "$p/share/flurrydale/data"
    check "$prefix: the first start shows no box" first_start_quiet "$p"
    check "$prefix: snowflake pictures" test -f "$p/share/flurrydale/data/_snowflakes/sf4.jpg" \
        -a -f "$p/share/flurrydale/data/_snowflakes/sf4a.jpg"
    check "$prefix: xscreensaver hack links to the program" \
        link_leads_to "$p/libexec/xscreensaver/flurrydale" "$p/bin/flurrydale"
    check "$prefix: xscreensaver config is well-formed" \
        xmllint --noout "$p/share/xscreensaver/config/flurrydale.xml"
    check "$prefix: xscreensaver config offers the run settings" \
        hack_offers "$p/share/xscreensaver/config/flurrydale.xml" \
        --root --wind --no-change --frequency --keep-aspect --fps
    check "$prefix: man page" man_page_clean "$p/share/man/man6/flurrydale.6"
    check "$prefix: desktop entry" desktop_entry_ok "$p/share/applications/flurrydale.desktop"
    for page in index.html making-scenes.html; do
        check "$prefix: $page is well-formed" xmllint --noout "$p/share/doc/flurrydale/$page"
        check "$prefix: $page links resolve" links_resolve "$p/share/doc/flurrydale/$page"
    done
    check "$prefix: hive in $sysconf names the installation" \
        hive_names "$root$sysconf/flurrydale/registry.ini" "$prefix/share/flurrydale"
    check "$prefix: manifest lists every installed file" manifest_complete "$root"
done

echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
