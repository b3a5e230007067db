# Version 1.0.0 of vantrel-translate, built once from git history (commit cb0d44c) into
# build/bench-1.0.0 and kept there: the project as it was, without the window program and the
# tests. Sourced by scripts/bench and scripts/differential from the top of the checkout.
#
# build_version_1_0_0: builds it when it is not there yet (the log goes to
# build/bench-1.0.0/build.log), then sets old_cli to the program, or to "" when it could not be
# built or is not version 1.0.0.
build_version_1_0_0() {
  local commit=cb0d44c dir=build/bench-1.0.0
  old_cli=$PWD/$dir/build/src/cli/vantrel-translate
  if [ ! -x "$old_cli" ]; then
    echo "== build version 1.0.0 (commit $commit, once, into $dir)" >&2
    rm -rf "$dir"
    mkdir -p "$dir/src"
    if ! { git archive "$commit" | tar -x -C "$dir/src" &&
      cmake -S "$dir/src" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DVANTREL_BUILD_APP=OFF -DVANTREL_BUILD_TESTS=OFF -DVANTREL_BENCH=OFF &&
      cmake --build "$dir/build" -j 2 --target vantrel-translate; } >"$dir/build.log" 2>&1; then
      rm -rf "$dir/build"
    fi
  fi
  if [ ! -x "$old_cli" ] || [ "$("$old_cli" --version 2>/dev/null | sed 's/.* //')" != 1.0.0 ]; then
    old_cli=
  fi
}
