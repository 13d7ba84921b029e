#!/usr/bin/env bash
# The Ansible collection passes ansible-lint's production profile, offline, with the collection
# found where Ansible looks for it (its playbook names the role by its full name); and a host
# without a customer code is stopped by the role's argument validation before anything runs.
set -euo pipefail
collection=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/collections/ansible_collections/skarvel"
ln -s "$collection" "$work/collections/ansible_collections/skarvel/till"
export HOME=$work ANSIBLE_HOME=$work/ansible-home ANSIBLE_COLLECTIONS_PATH=$work/collections
(cd "$collection" && ansible-lint --offline --nocolor --profile production)

cat >"$work/no-code.yml" <<'PLAY'
- name: A till without a code
  hosts: localhost
  gather_facts: false
  roles:
    - role: skarvel.till.skarvel_till
      vars:
        skarvel_till_cli: /bin/false
PLAY
if output=$(ansible-playbook -c local -i localhost, "$work/no-code.yml" 2>&1); then
  echo "a play without skarvel_till_code succeeded" >&2
  exit 1
fi
if ! grep -q "missing required arguments: skarvel_till_code" <<<"$output"; then
  echo "$output" >&2
  echo "the role did not stop for the missing code" >&2
  exit 1
fi
