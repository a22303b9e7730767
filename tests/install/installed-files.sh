# Sourced by the install tests: checks that the tree under $1 (a prefix) holds every file the
# game installs, calling fail for each one missing. Needs fail() and the variable status.
check_installed_files() {
    prefix=$1
    [ -x "$prefix/bin/orbalux" ] || fail "no program at bin/orbalux"
    for name in VBar.bmp HBar.bmp CrossBar.bmp NWBar.bmp NEBar.bmp SWBar.bmp SEBar.bmp Instruct.doc \
        Instruct.de.doc Instruct.fr.doc Instruct.es.doc \
        translations/orbalux_de.qm translations/orbalux_fr.qm translations/orbalux_es.qm; do
        [ -f "$prefix/share/orbalux/$name" ] || fail "no share/orbalux/$name"
    done
    [ -f "$prefix/share/applications/org.orbalux.Orbalux.desktop" ] || fail "no desktop entry"
    [ -f "$prefix/share/metainfo/org.orbalux.Orbalux.metainfo.xml" ] || fail "no metadata"
    [ -f "$prefix/share/man/man6/orbalux.6" ] || fail "no manual page"
    [ -f "$prefix/share/icons/hicolor/scalable/apps/org.orbalux.Orbalux.svg" ] || fail "no scalable icon"
    for size in 16 32 48 64 128 256; do
        icon="$prefix/share/icons/hicolor/${size}x$size/apps/org.orbalux.Orbalux.png"
        [ -f "$icon" ] || { fail "no $size px icon"; continue; }
        case $(file -b "$icon") in
            "PNG image data, $size x $size,"*) ;;
            *) fail "the $size px icon is $(file -b "$icon")" ;;
        esac
    done
}

# The value of key in desktop entry file.
entry_value() {
    sed -n "s/^$2=//p" "$1"
}
