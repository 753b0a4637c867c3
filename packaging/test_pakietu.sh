#!/bin/bash
# Builds the .deb with CPack, unpacks it into a temporary root and checks that the desktop finds
# everything where it looks and that the packaged programs run.
# Usage: test_pakietu.sh CPACK CPackConfig.cmake WITH_GUI(0|1)
set -u

cpack=$1
config=$2
okno=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
bledy=0

blad() {
    echo "FAIL: $*"
    bledy=$((bledy + 1))
}

# --- build and unpack ---------------------------------------------------------------------------
if ! "$cpack" --config "$config" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: cpack did not build the package"
    exit 1
fi
shopt -s nullglob
debs=("$tmp"/out/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    cat "$tmp/cpack.log"
    echo "FAIL: expected one .deb, found ${#debs[@]}"
    exit 1
fi
deb=${debs[0]}
root=$tmp/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }

pole() { dpkg-deb -f "$deb" "$1"; }
wersja=$(pole Version)
[ "$(pole Package)" = vyn ] || blad "Package is '$(pole Package)', expected vyn"
[ "$(pole Maintainer)" = VYN ] || blad "Maintainer is '$(pole Maintainer)', expected VYN"
[ -n "$wersja" ] || blad "no Version"

# Every file belongs to root, as the desktop's system folders require.
if dpkg-deb -c "$deb" | awk '{print $2}' | grep -qv '^root/root$'; then
    blad "files not owned by root/root: $(dpkg-deb -c "$deb" | grep -v ' root/root ' | head -3)"
fi

# --- the layout ---------------------------------------------------------------------------------
programy=(vyn-cli)
[ "$okno" = 1 ] && programy+=(vyn)
for p in "${programy[@]}"; do
    [ -x "$root/usr/bin/$p" ] || blad "usr/bin/$p missing or not executable"
done
wpis=$root/usr/share/applications/vyn.desktop
mime=$root/usr/share/mime/packages/vyn.xml
svg=$root/usr/share/icons/hicolor/scalable/apps/vyn.svg
png=$root/usr/share/icons/hicolor/64x64/apps/vyn.png
for f in "$wpis" "$mime" "$svg" "$png"; do
    [ -f "$f" ] || blad "${f#"$root"/} missing"
done

# --- dependencies: every library the binaries link comes from a package in Depends -------------
zaleznosci=" $(pole Depends | sed 's/[,|]/\n/g' | sed 's/(.*)//; s/^ *//; s/ *$//' | tr '\n' ' ') "
# Owning package of each library path, from one dpkg query; with a merged /usr, dpkg may know a
# library under /lib or under /usr/lib, so both spellings are asked for.
declare -A wlasciciel
zbierz_wlascicieli() {
    local sciezki=() s
    for s in "$@"; do
        case $s in
        /usr/*) sciezki+=("$s" "${s#/usr}") ;;
        *) sciezki+=("$s" "/usr$s") ;;
        esac
    done
    local pakiet sciezka
    while IFS= read -r wiersz; do
        pakiet=${wiersz%%: /*}
        sciezka=/${wiersz#*: /}
        wlasciciel[$sciezka]=${pakiet%%:*}
        case $sciezka in
        /usr/*) wlasciciel[${sciezka#/usr}]=${pakiet%%:*} ;;
        *) wlasciciel[/usr$sciezka]=${pakiet%%:*} ;;
        esac
    done < <(dpkg -S "${sciezki[@]}" 2>/dev/null)
}
command -v objdump >/dev/null || blad "objdump (binutils) is needed to read the linked libraries"
for p in "${programy[@]}"; do
    b=$root/usr/bin/$p
    [ -x "$b" ] || continue
    if objdump -p "$b" | grep -E 'RPATH|RUNPATH'; then
        blad "$p keeps a run-time library path"
    fi
    # NEEDED name -> path where the loader finds it
    declare -A biblioteki=()
    ldd "$b" >"$tmp/ldd"
    for lib in $(objdump -p "$b" | awk '$1 == "NEEDED" {print $2}'); do
        biblioteki[$lib]=$(awk -v l="$lib" '$1 == l {print $3}
            index($1, "/") && substr($1, length($1) - length(l)) == "/" l {print $1}' "$tmp/ldd" |
            head -1)
    done
    zbierz_wlascicieli "${biblioteki[@]}"
    for lib in "${!biblioteki[@]}"; do
        pakiet=${wlasciciel[${biblioteki[$lib]:-brak}]:-}
        if [ -z "$pakiet" ]; then
            blad "$p: no installed package provides $lib"
        elif [[ $zaleznosci != *" $pakiet "* ]]; then
            blad "$p links $lib from $pakiet, which Depends lacks: $(pole Depends)"
        fi
    done
    unset biblioteki
done
if [ "$okno" = 1 ] && [[ $zaleznosci != *" libqt6widgets6 "* ]]; then
    blad "Depends lacks libqt6widgets6: $(pole Depends)"
fi

# --- desktop entry ------------------------------------------------------------------------------
klucz() { sed -n "s/^$1=//p" "$wpis"; }
if [ -f "$wpis" ]; then
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$wpis" | grep -v ': hint: '
        [ "${PIPESTATUS[0]}" -eq 0 ] || blad "desktop-file-validate rejects vyn.desktop"
    else
        echo "desktop-file-validate not installed: entry checked by keys only"
    fi
    [ "$(klucz Name)" = VYN ] || blad "Name is '$(klucz Name)'"
    [ "$(klucz Categories)" = "Education;Science;Math;" ] || blad "Categories '$(klucz Categories)'"
    [[ $(klucz Comment) == *funkcji* ]] || blad "Comment is not the Polish one: '$(klucz Comment)'"
    read -r polecenie argument <<<"$(klucz Exec)"
    [ -x "$root/usr/bin/$polecenie" ] || blad "Exec runs '$polecenie', not a packaged program"
    [ "$argument" = %f ] || blad "Exec passes '$argument' instead of one file (%f)"
    ikona=$(klucz Icon)
    if [ "$ikona" != vyn ] || [ ! -f "$root/usr/share/icons/hicolor/64x64/apps/$ikona.png" ]; then
        blad "Icon '$ikona' names no installed icon"
    fi
fi

# --- the .vyn type: what shared-mime-info makes of the XML, and the entry handles it -------------
if [ -f "$mime" ]; then
    typ=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
    if [ -z "$typ" ] || [ "$(printf '%s\n' "$typ" | wc -l)" -ne 1 ]; then
        blad "vyn.xml declares '$typ' instead of one type"
    fi
    [[ ";$(klucz MimeType)" == *";$typ;"* ]] || blad "MimeType '$(klucz MimeType)' lacks $typ"
    if command -v xmllint >/dev/null; then
        xmllint --noout "$mime" || blad "vyn.xml is not well-formed XML"
    fi
    if command -v update-mime-database >/dev/null; then
        mkdir -p "$tmp/mime/packages"
        cp "$mime" "$tmp/mime/packages/"
        update-mime-database "$tmp/mime" >"$tmp/mime.log" 2>&1 ||
            blad "update-mime-database rejects vyn.xml: $(cat "$tmp/mime.log")"
        grep -qx "[0-9]*:$typ:\*\.vyn" "$tmp/mime/globs2" || blad "no *.vyn glob for $typ"
        grep -qx "$typ text/plain" "$tmp/mime/subclasses" || blad "$typ is not a text/plain"
    else
        echo "update-mime-database not installed: vyn.xml checked by text only"
        grep -q '<glob pattern="\*\.vyn"/>' "$mime" || blad "no *.vyn glob"
        grep -q '<sub-class-of type="text/plain"/>' "$mime" || blad "not a text/plain"
    fi
fi

# --- icons --------------------------------------------------------------------------------------
if [ -f "$png" ]; then
    # PNG signature, then the IHDR width and height as big-endian words at bytes 16 and 20.
    naglowek=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    [ "${naglowek:0:16}" = 89504e470d0a1a0a ] || blad "vyn.png is not a PNG"
    [ "${naglowek:32:16}" = 0000004000000040 ] || blad "vyn.png is not 64 x 64"
fi
if [ -f "$svg" ]; then
    if command -v xmllint >/dev/null; then
        xmllint --noout "$svg" || blad "vyn.svg is not well-formed XML"
    fi
    grep -q '<svg[^>]*xmlns="http://www.w3.org/2000/svg"' "$svg" || blad "vyn.svg has no svg root"
fi

# --- the packaged programs run from the unpacked root -------------------------------------------
cli=$root/usr/bin/vyn-cli
if [ -x "$cli" ]; then
    wynik=$("$cli" --version)
    [ "$wynik" = "vyn-cli $wersja" ] || blad "vyn-cli --version says '$wynik', package is $wersja"
    "$cli" --help | grep -q 'vyn-cli' || blad "vyn-cli --help prints no usage"
    "$cli" --verify 'AB+aC+BC' >/dev/null || blad "packaged vyn-cli fails to minimise AB+aC+BC"
fi
gui=$root/usr/bin/vyn
if [ "$okno" = 1 ] && [ -x "$gui" ]; then
    # Both answer on the terminal, so they must work with no display at all.
    bez_ekranu=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20)
    wynik=$("${bez_ekranu[@]}" "$gui" --version 2>&1)
    [ "$wynik" = "vyn $wersja" ] || blad "vyn --version says '$wynik', package is $wersja"
    if ! wynik=$("${bez_ekranu[@]}" "$gui" --help 2>&1) || [[ $wynik != *"vyn"* ]]; then
        blad "vyn --help prints no usage: '$wynik'"
    fi
fi

if [ "$bledy" -ne 0 ]; then
    echo "$bledy check(s) failed for $(basename "$deb")"
    exit 1
fi
echo "$(basename "$deb"): Depends: $(pole Depends)"
echo "package layout and programs OK"
