#!/usr/bin/env bash
# The release archive as a user gets it: unpacked into a fresh folder, it
# holds the program, its default sound and its readme; the program carries
# its manifest and version, starts from there with its main window, its tray
# icon and the common controls 6 (the file dialogs' DLL not yet loaded), and
# its sound dialog shows the sound beside it. Screenshots go to OUT_DIR.
#   release.sh BIN_DIR PREFIX OUT_DIR ARCHIVE CMAKE VERSION SOURCE_WAVE
set -u
bin=$1 prefix=$2 out=$3 archive=$4 cmake=$5 version=$6 source_wave=$7
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

[ -f "$archive" ] || fail "no release archive at $archive"
mkdir "$work/unpacked"
(cd "$work/unpacked" && "$cmake" -E tar xf "$archive") || fail "the archive does not unpack"
dir=$work/unpacked/Vantrel
files=$(cd "$work/unpacked" && find . -type f | sort | tr '\n' ' ')
[ "$files" = "./Vantrel/LISEZMOI-README.txt ./Vantrel/Vantrel.exe ./Vantrel/wave/1.wav " ] ||
  fail "the archive holds: $files"
cmp -s "$dir/wave/1.wav" "$source_wave" || fail "wave\\1.wav is not the default sound"

# The readme is for Notepad: CR LF line ends, the version filled in.
readme=$dir/LISEZMOI-README.txt
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l < "$readme")" ] || fail "the readme has lines without CR LF"
head -n 1 "$readme" | grep -q "Vantrel $version" || fail "the readme does not name version $version"
! grep -q "@" "$readme" || fail "the readme holds an unfilled placeholder"

# The manifest as the system reads it from the executable.
exe=$(winpath "$dir/Vantrel.exe")
manifest=$(drive manifest "$exe") || fail "the system finds no manifest in Vantrel.exe: $manifest"
expected_manifest="run-level as-invoker ui-access 0
supported-os {35138b9a-5d96-4fbd-8e2d-a2440225f93a}
supported-os {4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}
supported-os {1f676c76-80e1-4239-95bb-83d0f6d0da78}
supported-os {8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}
dpi-aware false"
[ "$manifest" = "$expected_manifest" ] || fail "the manifest reads:
$manifest"

# The version resource: the project's version, the description in French.
info=$(drive version-info "$exe") || fail "Vantrel.exe has no readable version resource"
for line in "file-version $version" "product-version $version" "FileVersion $version" "ProductVersion $version" \
            "FileDescription Vantrel - ferme les fenêtres pop-up indésirables" "ProductName Vantrel"; do
  grep -qxF "$line" <<<"$info" || fail "the version resource lacks \"$line\"; it reads:
$info"
done

# Started from the unpacked folder (once a Vantrel ended by an earlier
# test is gone: a second start would only show that one).
drive gone-window VantrelMain 20 || fail "a Vantrel from an earlier test still runs"
drive reset-settings
$run "$dir/Vantrel.exe" & vantrel_pid=$!
drive wait-window VantrelMain 30 || fail "the main window did not appear"
wait_for 10 test "$(drive visible VantrelMain)" = 1 || fail "the main window is not shown"
wait_for 10 drive tray-icon VantrelMain 1 || fail "the shell holds no tray icon of Vantrel"
comctl=$(drive module-version VantrelMain comctl32.dll) || fail "Vantrel did not load comctl32"
grep -qi 'common-controls_6595b64144ccf1df_6\.' <<<"$comctl" ||
  fail "Vantrel did not load the common controls 6: $comctl"
wait_height 505 "the Windows page did not open at the first start"
shot release_started
# The file and colour dialogs' DLL, and the printing system it brings, are
# loaded when first asked for, not at start.
for dll in comdlg32.dll winspool.drv; do
  if loaded=$(drive module-version VantrelMain "$dll"); then fail "Vantrel loaded $dll at start: $loaded"; fi
done

# The sound dialog, opened as a user does: the Options tab, then the
# loudspeaker; it shows the default sound beside the executable.
drive mouse-click VantrelMain -1 165 257
wait_for 10 setting_is Position 2 || fail "a click on the Options tab did not open the Options page"
wait_standing 505 "the Options page did not open"
drive mouse-click VantrelMain 1 305 38
drive wait-window VantrelSound 10 || fail "a click on the loudspeaker did not open the sound dialog"
shot release_sound_dialog
sound=$(drive text VantrelSound -1 EDIT 0)
[ "$sound" = "$(winpath "$dir/wave/1.wav")" ] || fail "the sound dialog shows \"$sound\""
drive close VantrelSound
drive gone-window VantrelSound 10 || fail "the sound dialog did not close"

drive command VantrelPop 109
drive answer Vantrel yes 10 || fail "no confirmation box for Quitter"
wait "$vantrel_pid"; rc=$?
vantrel_pid=
[ "$rc" = 0 ] || fail "Vantrel.exe ended with $rc"
echo "PASS: the release archive unpacks, and the program in it starts with its manifest, version, tray icon and sound"
