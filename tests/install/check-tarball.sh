#!/bin/sh
# Builds the Debian package from a release tarball (`git archive` of HEAD,
# without .git) and from a clone of the same commit, and checks that the two
# packages are the same bytes: the tarball carries the commit's time in
# cmake/commit-time.txt, so its dates are those of the checkout.
# Usage: check-tarball.sh source-folder scratch-folder version
set -u
source="$1" scratch="$2" version="$3"
if ! command -v git >/dev/null; then
  echo "SKIPPED: git is not installed, so no tarball can be made"
  exit 77
fi
if ! commit="$(git -C "$source" rev-parse --verify -q HEAD^{commit} 2>/dev/null)" ||
   [ "$(cd "$source" && pwd -P)" != "$(git -C "$source" rev-parse --show-toplevel 2>/dev/null)" ]; then
  echo "SKIPPED: $source is not a git checkout, so no tarball can be made"
  exit 77
fi
for tool in dpkg-deb dpkg-shlibdeps dpkg; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (Debian: apt-get install dpkg-dev)"
    exit 77
  fi
done
# A date given from outside would hide what the tarball itself carries.
unset SOURCE_DATE_EPOCH
name="sferonda_${version}_$(dpkg --print-architecture).deb"
tarball="$scratch/tarball" checkout="$scratch/checkout"
rm -rf "$scratch"
mkdir -p "$tarball/sferonda" "$checkout"

git -C "$source" archive --format=tar "$commit" > "$scratch/sferonda.tar" &&
  tar -xf "$scratch/sferonda.tar" -C "$tarball/sferonda" || { echo "git archive failed"; exit 1; }
git clone -q --no-checkout "$source" "$checkout/sferonda" &&
  git -C "$checkout/sferonda" checkout -q --detach "$commit" || { echo "git clone failed"; exit 1; }
for folder in "$tarball" "$checkout"; do
  sh "$(dirname "$0")/build-package.sh" "$folder" 022 || exit 1
  [ -f "$folder/sferonda/build/$name" ] || { echo "cpack made no $name in $folder/sferonda/build"; exit 1; }
done

if ! cmp "$tarball/sferonda/build/$name" "$checkout/sferonda/build/$name"; then
  echo "the packages of the tarball and of the checkout differ; their file lists:"
  for folder in "$tarball" "$checkout"; do dpkg-deb -c "$folder/sferonda/build/$name" > "$folder/contents.txt"; done
  diff "$tarball/contents.txt" "$checkout/contents.txt"
  exit 1
fi
echo "$name from the git archive of $commit and from its checkout: the same $(wc -c < "$tarball/sferonda/build/$name") bytes"
