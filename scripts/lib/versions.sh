# Earlier versions of vantrel-translate, each built once from git history into build/bench-VERSION
# and kept there: the project as it was, without the window program and the tests. Sourced by
# scripts/bench and scripts/differential from the top of the checkout.
#
# build_version VERSION COMMIT: builds it when it is not there yet (the log goes to
# build/bench-VERSION/build.log), then sets version_cli to the program, or to "" when it could not
# be built or does not say it is VERSION.
build_version() {
  local version=$1 commit=$2 dir=build/bench-$1
  version_cli=$PWD/$dir/build/src/cli/vantrel-translate
  if [ ! -x "$version_cli" ]; then
    echo "== build version $version (commit $commit, once, into $dir)" >&2
    rm -rf "$dir"
    mkdir -p "$dir/src"
    if ! { git archive "$commit" | tar -x -C "$dir/src" &&
      cmake -S "$dir/src" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DVANTREL_BUILD_APP=OFF -DVANTREL_BUILD_TESTS=OFF -DVANTREL_BENCH=OFF &&
      cmake --build "$dir/build" -j 2 --target vantrel-translate; } >"$dir/build.log" 2>&1; then
      rm -rf "$dir/build"
    fi
  fi
  if [ ! -x "$version_cli" ] ||
    [ "$("$version_cli" --version 2>/dev/null | head -n 1 | sed 's/.* //')" != "$version" ]; then
    version_cli=
  fi
}

# build_version_1_0_0: version 1.0.0 (commit cb0d44c) into old_cli, the reference of the classic
# reading.
build_version_1_0_0() {
  build_version 1.0.0 cb0d44c
  old_cli=$version_cli
}

# build_version_1_2_0: version 1.2.0 (commit b2b1d76) into v120_cli, the reference of the full
# reading's speed.
build_version_1_2_0() {
  build_version 1.2.0 b2b1d76
  v120_cli=$version_cli
}
