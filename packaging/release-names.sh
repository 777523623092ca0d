# The release's names, sourced by scripts/package.sh and scripts/release-test.sh from the
# repository's root: the version (from the programs' own version block), the program folder's
# name and the two packages.
version=$(sed -n 's/^ *VALUE "ProductVersion", "\([0-9]*\.[0-9]*\)\.0\.0"$/\1/p' src/winutil/VersionInfo.rc)
if [ -z "$version" ]; then
    echo "release-names.sh: no ProductVersion in src/winutil/VersionInfo.rc" >&2
    exit 1
fi
product=岚铃校园定时广播系统
zip=dist/lvtx-$version-win64.zip
setup=dist/lvtx-$version-setup.exe
