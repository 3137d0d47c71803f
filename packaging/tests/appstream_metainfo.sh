#!/usr/bin/env bash
# The metainfo is valid, and the validator has nothing to say of it, not even a hint or a
# pedantic note: it passes a file with either, and a software centre shows what they are
# about. The file is written as AppStream 1.0 asks (a <developer> with an id and a name);
# AppStream before 1.0 (Debian 12's 0.16) does not know that tag yet and notes it, which is
# the tool's age and no fault of the file.
# usage: appstream_metainfo.sh METAINFO
set -uo pipefail
metainfo=$1

version=$(appstreamcli --version | sed -n 's/^AppStream version: //p')
[ -n "$version" ] || { echo "FAIL (the tool): appstreamcli states no version" >&2; exit 1; }
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)
status=$?
findings=$(grep -E '^[EWIP]: ' <<<"$report")
if dpkg --compare-versions "$version" lt 1.0; then
  findings=$(grep -v ': unknown-tag developer$' <<<"$findings")
fi
if [ -n "$findings" ] || [ $status -ne 0 ]; then
  echo "$report"
  echo "FAIL (the program's metainfo): AppStream $version finds in $metainfo:" >&2
  echo "${findings:-(exit status $status)}" >&2
  exit 1
fi
echo "appstream_metainfo: AppStream $version has nothing to say of $(basename "$metainfo")"
