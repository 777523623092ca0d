# The release's names, sourced by scripts/package.sh and scripts/release-test.sh from the
# repository's root once $build names a configured Windows build: the version and the program
# folder's name, which CMake writes there from the project's own, and the two packages.
if [ ! -f "$build/product.sh" ]; then
    echo "release-names.sh: $build/product.sh is missing: configure the Windows build first" >&2
    exit 1
fi
source "$build/product.sh"
zip=dist/lvtx-$version-win64.zip
setup=dist/lvtx-$version-setup.exe
