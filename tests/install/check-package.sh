#!/bin/sh
# Builds the Debian package twice, from two copies of the source in two
# folders of different depth, with different umasks, and checks that the two
# packages are the same bytes. The first is kept as scratch/NAME.deb for the
# checks of its contents.
# Usage: check-package.sh source-folder scratch-folder version
set -u
source="$1" scratch="$2" version="$3"
for tool in dpkg-deb dpkg-shlibdeps dpkg; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (Debian: apt-get install dpkg-dev)"
    exit 77
  fi
done
name="sferonda_${version}_$(dpkg --print-architecture).deb"
rm -rf "$scratch"
mkdir -p "$scratch"

# The tracked and the new files of the working tree, as a user's clone
# would have them, with the commit's time; without git, the whole tree but its build folders. Taken
# once, so that both builds see the same sources.
copy_source() {
  mkdir -p "$1"
  if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source" && git ls-files -z --cached --others --exclude-standard |
      xargs -0 sh -c 'for path; do [ -f "$path" ] && printf "%s\0" "$path"; done' sh |
      tar --null -T - -cf -) | tar -xf - -C "$1"
    # What `git archive` writes there, so that the copies date their files
    # and the changelog's entry by the commit as the checkout does.
    git -C "$source" log -1 --format=%ct > "$1/cmake/commit-time.txt"
  else
    tar -C "$source" --exclude='./build*' --exclude=./.git -cf - . | tar -xf - -C "$1"
  fi
}

build_package() {  # folder umask
  mkdir -p "$1/sferonda" && cp -R "$scratch/source/." "$1/sferonda/" || return 1
  sh "$(dirname "$0")/build-package.sh" "$1" "$2"
}

copy_source "$scratch/source" || { echo "could not copy the source"; exit 1; }
first="$scratch/first"
second="$scratch/second/a/longer/path"
build_package "$first" 022 || exit 1
build_package "$second" 027 || exit 1
for folder in "$first" "$second"; do
  [ -f "$folder/sferonda/build/$name" ] || { echo "cpack made no $name in $folder/sferonda/build"; exit 1; }
done
cp "$first/sferonda/build/$name" "$scratch/$name"

if ! cmp "$first/sferonda/build/$name" "$second/sferonda/build/$name"; then
  echo "the two packages differ; their contents side by side:"
  for folder in "$first" "$second"; do
    dpkg-deb -c "$folder/sferonda/build/$name" > "$folder/contents.txt"
    dpkg-deb -I "$folder/sferonda/build/$name" md5sums > "$folder/md5sums.txt"
  done
  diff "$first/contents.txt" "$second/contents.txt"
  diff "$first/md5sums.txt" "$second/md5sums.txt"
  exit 1
fi
echo "$name built twice, in $first and in $second: the same $(wc -c < "$scratch/$name") bytes"
